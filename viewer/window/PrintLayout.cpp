#include "viewer/window/PrintLayout.h"

#include <algorithm>
#include <cmath>

std::vector<LinePlace> PlaceLines(int count, int top, int step, int lineHeight, int pageHeight)
{
    std::vector<LinePlace> places;
    LinePlace at{0, top};
    for (int i = 0; i < count; ++i) {
        // A line taller than the page still gets a page of its own.
        if (at.y != top && at.y + lineHeight > pageHeight)
            at = {at.page + 1, top};
        places.push_back(at);
        at.y += step;
    }
    return places;
}

std::vector<PrintPage> MemoPages(const std::vector<std::string>& lines, int lineHeight, int pageHeight)
{
    std::vector<PrintPage> pages;
    std::vector<LinePlace> places = PlaceLines(static_cast<int>(lines.size()), 0, 2 * lineHeight, lineHeight, pageHeight);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (places[i].page >= static_cast<int>(pages.size()))
            pages.emplace_back();
        pages.back().push_back({10, places[i].y, lines[i]});
    }
    return pages;
}

PlotSize FitPlotToPage(int areaW, int areaH, int pageW, int pageH)
{
    if (areaW <= 0 || areaH <= 0 || pageW <= 0 || pageH <= 0)
        return {};
    double scale = std::min(static_cast<double>(pageW) / areaW, static_cast<double>(pageH) / areaH);
    return {std::min(pageW, static_cast<int>(std::trunc(areaW * scale))),
            std::min(pageH, static_cast<int>(std::trunc(areaH * scale)))};
}
