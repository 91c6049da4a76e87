#include <gtest/gtest.h>

#include "tests/viewer/ViewFixtures.h"
#include "viewer/model/Messages.h"
#include "viewer/values/ValueListTable.h"

namespace {

ListSettings Settings(const char* start, const char* stop, const char* count, Stepping stepping,
                      std::initializer_list<int> fields)
{
    ListSettings s = NewListSettings(start, stop, true);
    s.count = count;
    s.stepping = stepping;
    for (int field : fields)
        s.fields[field] = true;
    return s;
}

}  // namespace

TEST(ValueListTable, NewWindowTakesTheResultWindowsInterval)
{
    ListSettings s = NewListSettings("10", "1000", false);
    EXPECT_EQ(s.start, "10");
    EXPECT_EQ(s.stop, "1000");
    EXPECT_EQ(s.count, "1");
    EXPECT_FALSE(s.hz);
    EXPECT_EQ(s.stepping, Stepping::Oct);
    for (bool field : s.fields)
        EXPECT_FALSE(field);
    EXPECT_EQ(ListCaption("/some/folder/filter.fdt"), "List of Values - filter.fdt");
    ListTable table;
    EXPECT_FALSE(table.visible);
    EXPECT_EQ(table.Columns(), 7);
}

// The decibels of a zero of transmission have no value: the cell stays
// empty and the row is written.
TEST(ValueListTable, AZeroOfTransmissionLeavesItsDecibelCellEmpty)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {0, 1}, {1, 1});  // s / (s + 1)
    ListTable table;
    std::string error;
    ASSERT_TRUE(FillValueTable(f, Settings("0", "1", "2", Stepping::Lin, {0, 1}), table, error)) << error;
    ASSERT_EQ(table.Rows(), 3);
    EXPECT_EQ(table.cells[1], (std::vector<std::string>{"0", "0", ""}));
    EXPECT_EQ(table.cells[2][0], "1");
    EXPECT_EQ(table.cells[2][2], ListCellText(20 * std::log10(std::abs(Complex(0, 2 * M_PI) / Complex(1, 2 * M_PI)))));
}

// Rows where the value lies on the negative real axis, or is zero, reach
// the angle with zero parts of either sign: the angle is the same in each.
TEST(ValueListTable, AnglesOnTheRealAxisAreTheSameInEveryRow)
{
    struct Case {
        const char* what;
        std::vector<FileTerm> num;
        std::vector<std::string> angles;  // deg, rad
    };
    const std::vector<FileTerm> quadratic = {{1, 0, {}}, {1, 1, {}}, {1, 2, {}}};
    const std::vector<Case> cases = {
        {"minus one", {{-1, 0, {}}, {-1, 1, {}}, {-1, 2, {}}}, {"180", "3.1416"}},
        {"zero", {{1, 0, {0}}}, {"0", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        WriteFdtFile(dir / "a.fdt", c.num, quadratic);
        WriteBytes(dir / "a.par", ParText("R ", "0 ", c.num, quadratic));
        FDT f;
        std::string error;
        ASSERT_TRUE(f.LoadParFile(dir / "a.fdt", error)) << error;
        ListTable table;
        ListSettings s = Settings("0.1", "100", "1", Stepping::Dec, {2, 3});
        s.hz = false;
        ASSERT_TRUE(FillValueTable(f, s, table, error)) << error;
        ASSERT_EQ(table.Rows(), 5);
        for (int row = 1; row < table.Rows(); ++row)
            EXPECT_EQ(std::vector<std::string>(table.cells[row].begin() + 1, table.cells[row].end()), c.angles) << row;
    }
}

TEST(ValueListTable, DecadesInHertz)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {1}, {1, 1});  // 1 / (s + 1)
    ListTable table;
    std::string error;
    ASSERT_TRUE(FillValueTable(f, Settings("1", "1000", "1", Stepping::Dec, {0, 2, 5}), table, error)) << error;
    EXPECT_TRUE(table.visible);
    ASSERT_EQ(table.Rows(), 5);
    EXPECT_EQ(table.cells[0], (std::vector<std::string>{"Freq. (Hz)", "Amplitude", "Phase (deg)", "Imag. Part"}));
    const char* rows[] = {"1", "10", "100", "1000"};
    for (int r = 0; r < 4; ++r) {
        double hz = std::stod(rows[r]);
        Complex h = 1.0 / Complex(1, 2 * M_PI * hz);
        EXPECT_EQ(table.cells[r + 1][0], rows[r]);
        EXPECT_EQ(table.cells[r + 1][1], ListCellText(std::abs(h)));
        EXPECT_EQ(table.cells[r + 1][2], ListCellText(std::arg(h) * 180 / M_PI));
        EXPECT_EQ(table.cells[r + 1][3], ListCellText(h.imag()));
    }
    EXPECT_EQ(table.cells[1][1], "0.15718");

    // rad/s: the frequency column shows the unit chosen.
    ListSettings rad = Settings("1", "10", "10", Stepping::Lin, {});
    rad.hz = false;
    ASSERT_TRUE(FillValueTable(f, rad, table, error));
    EXPECT_EQ(table.Columns(), 1);  // no field ticked
    EXPECT_EQ(table.Rows(), 11);
    EXPECT_EQ(table.cells[0][0], "Freq. (rad/s)");
    EXPECT_EQ(table.cells[10][0], "10");
}

TEST(ValueListTable, BadLimitsChangeOnlyTheColumnCount)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {1}, {1, 1});
    ListTable table;
    std::string error;
    ASSERT_TRUE(FillValueTable(f, Settings("1", "8", "1", Stepping::Oct, {0, 1, 2}), table, error));
    std::vector<std::vector<std::string>> before = table.cells;
    EXPECT_FALSE(FillValueTable(f, Settings("10", "1", "1", Stepping::Lin, {0}), table, error));
    EXPECT_EQ(error, Msg::ListBadLimits);
    ASSERT_EQ(table.Rows(), static_cast<int>(before.size()));
    EXPECT_EQ(table.Columns(), 2);
    EXPECT_EQ(table.cells[1][1], before[1][1]);
    // "abc" counts as one frequency per octave.
    EXPECT_TRUE(FillValueTable(f, Settings("1", "4", "abc", Stepping::Oct, {0}), table, error));
    EXPECT_EQ(table.Rows(), 4);
}

TEST(ValueListTable, PolesAndZeros)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {3, 1}, {2, 3, 1});  // (s + 3) / ((s + 1)(s + 2))
    ListTable table;
    std::string error;
    ASSERT_TRUE(FillPoleZeroTable(f, table, error)) << error;
    ASSERT_EQ(table.Rows(), 4);
    EXPECT_EQ(table.Columns(), 3);
    EXPECT_EQ(table.cells[0], (std::vector<std::string>{"", "Real", "Imag"}));
    EXPECT_EQ(table.cells[1][0], "Pole");
    EXPECT_EQ(table.cells[2][0], "Pole");
    EXPECT_EQ(table.cells[3], (std::vector<std::string>{"Zero", "-3", "0"}));
    std::vector<std::string> poles = {table.cells[1][1], table.cells[2][1]};
    std::sort(poles.begin(), poles.end());
    EXPECT_EQ(poles, (std::vector<std::string>{"-1", "-2"}));

    FDT constant;
    TempFolder other;
    LoadRational(constant, other, {2}, {4});
    std::vector<std::vector<std::string>> before = table.cells;
    EXPECT_FALSE(FillPoleZeroTable(constant, table, error));
    EXPECT_EQ(error, Msg::NoPolesNoZeros);
    EXPECT_EQ(table.cells, before);
}

TEST(ValueListTable, ListFollowsChangedValuesInThePhasorView)
{
    TempFolder dir;
    FakeHost host;
    ResultWindow window(host);
    window.OpenFdt(WriteLowPass(dir), Remembered());
    window.controls.grid[0].value = "2000";
    window.ShowView(View::Phasor);
    ListTable table;
    std::string error;
    ListSettings s = Settings("1000", "1000", "1", Stepping::Oct, {0});
    s.hz = false;
    ASSERT_TRUE(FillValueTable(window.Model(), s, table, error));
    EXPECT_EQ(table.cells[1][1], ListCellText(std::abs(1.0 / Complex(1, 1000 * 2000 * 1e-6))));
    EXPECT_EQ(window.Model().GetViewKind(), View::Phasor);
}

TEST(ValueListTable, ClipboardTextHasFixedWidths)
{
    ListTable table;
    table.Resize(3, 3);
    table.cells[0] = {"Freq. (Hz)", "Amplitude (dB)", "Phase (deg)"};
    table.cells[1] = {"1", "-3.0103", "a cell far longer than fifteen"};
    std::string text = ListClipboardText(table);
    std::size_t start = 0, lines = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        EXPECT_EQ(end - start, 45u);
        start = end + 2;
        ++lines;
    }
    EXPECT_EQ(lines, 3u);
    EXPECT_EQ(text.substr(0, 15), "Freq. (Hz)     ");
    EXPECT_EQ(text.substr(47 + 30, 15), "a cell far long");
    EXPECT_EQ(text.substr(94, 45), std::string(45, ' '));
    // A grid never filled is copied as it is.
    std::string blankRow = std::string(7 * 15, ' ') + "\r\n";
    EXPECT_EQ(ListClipboardText(ListTable()), blankRow + blankRow + blankRow + blankRow + blankRow);
}

TEST(ValueListTable, PrintedRowsBreakIntoPages)
{
    ListTable table;
    table.Resize(30, 3);
    for (int r = 0; r < 30; ++r)
        table.cells[r][0] = std::to_string(r);
    std::vector<PrintPage> pages = ListPrintPages(table, 20, 8, 300);
    ASSERT_EQ(pages.size(), 5u);  // rows at 10, 50, ... 250: seven a page
    int row = 0;
    for (const PrintPage& page : pages) {
        ASSERT_FALSE(page.empty());
        EXPECT_EQ(page.front().y, 10);
        for (std::size_t i = 0; i < page.size(); i += 3) {
            EXPECT_EQ(page[i].text, std::to_string(row++));
            EXPECT_LE(page[i].y + 20, 300);
            EXPECT_EQ(page[i].x, 10);
            EXPECT_EQ(page[i + 1].x, 10 + 96);
            EXPECT_EQ(page[i + 2].x, 10 + 192);
        }
    }
    EXPECT_EQ(row, 30);

    // A column whose longest text is wider than 12 characters is one wider
    // than that text.
    table.cells[0][1] = "Amplitude (dB)";
    pages = ListPrintPages(table, 20, 8, 300);
    EXPECT_EQ(pages[0][1].x, 10 + 96);
    EXPECT_EQ(pages[0][2].x, 10 + 96 + 15 * 8);
    EXPECT_EQ(pages[1][2].x, 10 + 96 + 15 * 8);
}
