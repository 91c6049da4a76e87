// The panel's component grid in the window's size: every name reads whole,
// those of transistor elements included, and a name too wide for the panel
// leaves its value within reach of the scroll bar.
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>

#include "Fixture.h"
#include "tests/support/NetworkFiles.h"

namespace {

// The width a cell needs so that the item delegate draws its text unclipped.
int WholeWidth(const QTableWidget& grid, const QString& text)
{
    const int margin = grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1;
    return grid.fontMetrics().horizontalAdvance(text) + 2 * margin;
}

}  // namespace

TEST_F(ResultTest, EveryNameOfTheGridReadsWhole)
{
    struct Case {
        const char* what;
        std::vector<std::string> names;
    };
    const std::vector<Case> cases = {
        {"a transistor's elements", {"CL", "Ehre_Q1", "Fhfe_Q1", "Ghoe_Q1", "RL", "Rhie_Q1", "Rs"}},
        {"a name wider than the panel", {"R1", "Rhie_Q12_XAMPLIFIER_XSTAGE2_XBIAS"}},
        {"short names", {"R", "C"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<double> values;
        for (std::size_t i = 0; i < c.names.size(); ++i)
            values.push_back(i % 2 ? 0.00025 : 2.5e-5);
        window.OpenFdt(WriteNetwork(folder.Folder(), "h", c.names, values, {{1, 0, {}}}, {{1, 0, {}}, {1, 1, {0}}}));
        ProcessEvents();
        const QTableWidget& grid = *window.Panel1->StringGrid1;
        ASSERT_TRUE(grid.isVisible());
        ASSERT_EQ(grid.rowCount(), static_cast<int>(c.names.size()));
        for (int r = 0; r < grid.rowCount(); ++r) {
            SCOPED_TRACE(r);
            EXPECT_GE(grid.columnWidth(0), WholeWidth(grid, grid.item(r, 0)->text()));
            EXPECT_GE(grid.columnWidth(1), WholeWidth(grid, grid.item(r, 1)->text()));
        }
        // The value column ends within the viewport or within its scroll range.
        EXPECT_LE(grid.columnWidth(0) + grid.columnWidth(1),
                  grid.viewport()->width() + grid.horizontalScrollBar()->maximum());
    }
}
