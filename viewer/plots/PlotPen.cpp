#include "viewer/plots/PlotPen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "formats/NumberText.h"
#include "viewer/plots/ValueText.h"

void FillWhite(TCanvas& canvas, int w, int h)
{
    if (w <= 0 || h <= 0)
        return;
    canvas.SetPenMode(PenMode::Copy);
    canvas.SetPen(clWhite, 1);
    canvas.SetBrush(clWhite);
    canvas.Rectangle(0, 0, w, h);
}

void DottedLine(TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    const int dx = (x2 > x1) - (x2 < x1), dy = (y2 > y1) - (y2 < y1);
    const int length = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
    for (int i = 0; i < length; i += 6) {
        int on = std::min(3, length - i);
        canvas.MoveTo(x1 + dx * i, y1 + dy * i);
        canvas.LineTo(x1 + dx * (i + on), y1 + dy * (i + on));
    }
}

int FontHeight(int points, int pixelsPerInch) { return (points * pixelsPerInch + 36) / 72; }

TFont SizedFont(const TFont& font, int points, bool bold, int pixelsPerInch)
{
    TFont sized = font;
    sized.Height = -FontHeight(points, pixelsPerInch);
    sized.Weight = bold ? 700 : 400;
    return sized;
}

namespace {

// The least distance between two neighbouring values that differ; 0 when none do.
double LeastGap(const std::vector<double>& values)
{
    double gap = 0.0;
    for (std::size_t i = 1; i < values.size(); ++i) {
        const double d = std::abs(values[i] - values[i - 1]);
        if (d > 0.0 && (gap == 0.0 || d < gap))
            gap = d;
    }
    return gap;
}

}  // namespace

std::vector<std::string> AxisLabels(const std::vector<double>& values)
{
    const double gap = LeastGap(values);
    std::vector<std::string> labels;
    for (int digits = 6; digits <= 17; ++digits) {
        labels.clear();
        bool close = true;
        for (double v : values) {
            labels.push_back(ValueText(v, digits));
            close = close && (gap == 0.0 || !(std::abs(StrToD(labels.back()) - v) > gap * 0.01));
        }
        if (close)
            break;
    }
    return labels;
}

void FitLabels(TCanvas& canvas, const std::vector<std::string>& labels, int width)
{
    int widest = 0;
    for (const std::string& label : labels)
        widest = std::max(widest, canvas.TextExtent(label).cx);
    TFont font = canvas.Font();
    const int height = std::abs(font.Height);
    if (widest <= width || height == 0)
        return;
    const int fitted = std::max(7, height * width / widest);
    font.Height = font.Height < 0 ? -fitted : fitted;
    canvas.SetFont(font);
}

void DrawCentredLabels(TCanvas& canvas, const std::vector<AxisMark>& labels, int y)
{
    const int gap = canvas.TextExtent("0").cx;
    bool first = true;
    int right = 0;
    for (const AxisMark& label : labels) {
        const int half = canvas.TextExtent(label.text).cx / 2;
        if (!first && label.x - half < right + gap)
            continue;
        canvas.TextOut(label.x, y, label.text);
        right = label.x + half;
        first = false;
    }
}
