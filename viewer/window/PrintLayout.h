#pragma once
// Pages of printed text lines and the size of a printed plot.
#include <string>
#include <vector>

struct PrintedText {
    int x = 0, y = 0;  // top-left corner
    std::string text;
    bool operator==(const PrintedText&) const = default;
};
using PrintPage = std::vector<PrintedText>;

// Line i of count at y = top, top + step, ...; a line whose bottom
// (y + lineHeight) would pass pageHeight starts a new page at top. Each
// entry is {page, y}.
struct LinePlace {
    int page = 0;
    int y = 0;
};
std::vector<LinePlace> PlaceLines(int count, int top, int step, int lineHeight, int pageHeight);

// The memo's lines at x 10, the first at y 0, two line heights apart,
// continued on new pages.
std::vector<PrintPage> MemoPages(const std::vector<std::string>& lines, int lineHeight, int pageHeight);

// A plot printed at the largest size with the proportions of its area on
// screen that fits the page; 0 x 0 for an empty area or page.
struct PlotSize {
    int w = 0, h = 0;
};
PlotSize FitPlotToPage(int areaW, int areaH, int pageW, int pageH);
