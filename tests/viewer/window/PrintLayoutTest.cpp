#include <gtest/gtest.h>

#include "viewer/window/PrintLayout.h"

TEST(PrintLayout, LinesContinueOnNewPages)
{
    std::vector<LinePlace> places = PlaceLines(7, 0, 30, 15, 100);
    // y 0, 30, 60 fit (60 + 15 <= 100); 90 would end at 105.
    std::vector<std::pair<int, int>> expected = {{0, 0}, {0, 30}, {0, 60}, {1, 0}, {1, 30}, {1, 60}, {2, 0}};
    ASSERT_EQ(places.size(), expected.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_EQ(places[i].page, expected[i].first) << i;
        EXPECT_EQ(places[i].y, expected[i].second) << i;
    }
    // A line taller than the page gets a page of its own, and the layout ends.
    std::vector<LinePlace> tall = PlaceLines(3, 10, 400, 200, 100);
    ASSERT_EQ(tall.size(), 3u);
    EXPECT_EQ(tall[2].page, 2);
    EXPECT_TRUE(PlaceLines(0, 0, 10, 10, 100).empty());
}

TEST(PrintLayout, MemoLinesAtTheLeftMargin)
{
    std::vector<PrintPage> pages = MemoPages({"a", "b", "c"}, 12, 1000);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], (PrintPage{{10, 0, "a"}, {10, 24, "b"}, {10, 48, "c"}}));
    EXPECT_TRUE(MemoPages({}, 12, 1000).empty());
}

TEST(PrintLayout, PlotKeepsItsProportions)
{
    struct Case {
        int areaW, areaH, pageW, pageH, w, h;
    };
    for (const Case& c : {Case{700, 480, 4760, 6736, 4760, 3264}, Case{300, 900, 4760, 6736, 2245, 6736},
                          Case{700, 480, 700, 480, 700, 480}, Case{0, 480, 4760, 6736, 0, 0},
                          Case{700, 480, 0, 6736, 0, 0}}) {
        PlotSize size = FitPlotToPage(c.areaW, c.areaH, c.pageW, c.pageH);
        EXPECT_EQ(size.w, c.w) << c.areaW << "x" << c.areaH;
        EXPECT_EQ(size.h, c.h) << c.areaW << "x" << c.areaH;
        if (c.areaW > 0 && c.pageW > 0) {
            EXPECT_NEAR(static_cast<double>(size.w) / size.h, static_cast<double>(c.areaW) / c.areaH, 0.01);
        }
    }
}
