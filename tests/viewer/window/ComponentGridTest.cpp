#include <gtest/gtest.h>

#include "viewer/model/FDT.h"
#include "viewer/texts/FloatText.h"
#include "viewer/window/ComponentGrid.h"

namespace {

// Components V1, $, R, i2 with rows 0, -, 1, 2.
FDT Components()
{
    FDT f;
    int row = 0;
    for (const char* name : {"V1", "$", "R", "i2"}) {
        f.components.emplace_back(name);
        if (std::string(name) != "$")
            f.components.back().row = row++;
        f.components.back().value = 1;
    }
    f.loaded = true;
    return f;
}

}  // namespace

TEST(ComponentGrid, RowsSkipNumericComponents)
{
    FDT f = Components();
    f.components[0].phase = 30;
    f.viewKind = View::Gain;
    EXPECT_EQ(ComponentGridRows(f), (std::vector<GridRow>{{"V1", "1"}, {"R", "1"}, {"i2", "1"}}));
    f.viewKind = View::Phasor;
    EXPECT_EQ(ComponentGridRows(f), (std::vector<GridRow>{{"V1", "1 P 30"}, {"R", "1"}, {"i2", "1 P 0"}}));
    f.curveCount = 2;
    f.sweptComponent = 2;
    EXPECT_EQ(ComponentGridRows(f)[1], (GridRow{"R", "Param."}));
}

TEST(ComponentGrid, CellsReadBack)
{
    struct Case {
        int kind;
        std::vector<std::string> cells;
        double v1, phase1, r, i2, phase2;
    };
    for (const Case& c : {Case{View::Phasor, {"2P45", "3.3e3x", "0.5 P -90"}, 2, 45, 3300, 0.5, -90},
                          Case{View::Gain, {"2P45", "abc", "4"}, 2, 0, 0, 4, 0},
                          Case{View::Phasor, {"5", "Param.", "2 P"}, 5, 0, 1, 2, 0}}) {
        FDT f = Components();
        f.viewKind = c.kind;
        std::vector<GridRow> rows = {{"V1", c.cells[0]}, {"R", c.cells[1]}, {"i2", c.cells[2]}};
        std::string error;
        EXPECT_TRUE(ReadComponentGrid(f, rows, error));
        EXPECT_EQ(f.components[0].value, c.v1) << c.cells[0];
        EXPECT_EQ(f.components[0].phase, c.phase1) << c.cells[0];
        EXPECT_EQ(f.components[1].value, 1);  // "$" is not in the grid
        EXPECT_EQ(f.components[2].value, c.r) << c.cells[1];
        EXPECT_EQ(f.components[3].value, c.i2) << c.cells[2];
        EXPECT_EQ(f.components[3].phase, c.phase2) << c.cells[2];
    }
    // A grid shorter than the component list reads what it has.
    FDT f = Components();
    std::string error;
    EXPECT_TRUE(ReadComponentGrid(f, {{"V1", "7"}}, error));
    EXPECT_EQ(f.components[0].value, 7);
    EXPECT_EQ(f.components[2].value, 1);
}

// A cell beyond a double, or not a number at all, changes no component.
TEST(ComponentGrid, CellsThatAreNoFiniteNumbersAreRefused)
{
    for (const char* cell : {"1e999", "-inf", "nan", "2P1e400"}) {
        SCOPED_TRACE(cell);
        FDT f = Components();
        f.viewKind = View::Phasor;
        std::string error;
        EXPECT_FALSE(ReadComponentGrid(f, {{"V1", "3"}, {"R", "5"}, {"i2", cell}}, error));
        EXPECT_EQ(error, "'" + std::string(cell) + "' is not a valid floating point value");
        for (const Compo& compo : f.components) {
            EXPECT_EQ(compo.value, 1);
            EXPECT_EQ(compo.phase, 0);
        }
    }
}

TEST(FloatText, WholeTextNumbers)
{
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    for (const Case& c : {Case{"1", true, 1}, Case{" 2.5 ", true, 2.5}, Case{"1e-3", true, 1e-3}, Case{"-4", true, -4},
                          Case{"", false, 0}, Case{"abc", false, 0}, Case{"1.5x", false, 0}, Case{"inf", false, 0},
                          Case{"nan", false, 0}, Case{"0x10", false, 0}, Case{"1e999", false, 0}, Case{"1 2", false, 0}}) {
        double v = 0;
        EXPECT_EQ(ReadFloatText(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
    }
    EXPECT_EQ(FloatConversionError("x"), "'x' is not a valid floating point value");
}
