#include <algorithm>
#include <cmath>

#include "viewer/model/FDT.h"
#include "viewer/plots/PlotMouse.h"
#include "viewer/plots/PlotScale.h"

void FDT::SetPlotFrame(int w, int h)
{
    frame.left = 50;
    frame.top = 30;
    frame.right = w - 20;
    frame.bottom = h - 50;
}

int FDT::SampleToX(int u) const
{
    double unit = (frame.right - frame.left) * 0.005;
    return frame.left + TruncToInt(u * unit);
}

int FDT::ValueToY(double v) const
{
    double max = samples.axisMax, min = samples.axisMin;
    if (max == 0 && min == 0)
        return 0;
    if (!(max > min))
        return frame.bottom;
    return TruncToInt(frame.bottom - (frame.bottom - frame.top) * ((v - min) / (max - min)));
}

YAxis FDT::ScaleYAxis()
{
    YAxis axis = RoundYAxis(samples.dataMax, samples.dataMin, viewKind == View::Phase);
    samples.axisMax = axis.max;
    samples.axisMin = axis.min;
    return axis;
}

PoleZeroMap FDT::ScalePoleZero()
{
    double R = 0, I = 0;
    for (int c = 0; c < curveCount; ++c) {
        for (int k = 1; k <= poleCount[c]; ++k) {
            R = std::max(R, std::fabs(Pole(k, c).real()));
            I = std::max(I, std::fabs(Pole(k, c).imag()));
        }
        for (int k = 1; k <= zeroCount[c]; ++k) {
            R = std::max(R, std::fabs(Zero(k, c).real()));
            I = std::max(I, std::fabs(Zero(k, c).imag()));
        }
    }
    PoleZeroMap map = ScalePoleZeroMap(R, I, frame.left, frame.right, frame.top, frame.bottom);
    mapExtentRe = map.re;
    mapExtentIm = map.im;
    return map;
}

void FDT::Zoom(int x1, int y1, int x2, int y2)
{
    if (!Zoomable(viewKind) || x1 == x2 || y1 == y2 || frame.right <= frame.left || frame.bottom == frame.top)
        return;
    if (x1 > x2)
        std::swap(x1, x2);
    auto index = [&](int x) {
        return std::clamp((x - frame.left) * 200 / (frame.right - frame.left) + 1, 0, 200);
    };
    int k1 = index(x1), k2 = index(x2);
    if (k1 == k2)
        return;  // a band narrower than a sample step holds no interval
    if (hzUnits) {
        fStart = samples.x[k1];
        fEnd = samples.x[k2];
        wStart = fStart * 2 * kPi;
        wEnd = fEnd * 2 * kPi;
    } else {
        wStart = samples.x[k1];
        wEnd = samples.x[k2];
        fStart = wStart * 0.5 * (1 / kPi);
        fEnd = wEnd * 0.5 * (1 / kPi);
    }
    double height = frame.bottom - frame.top;
    double g1 = (frame.bottom - y1) / height, g2 = (frame.bottom - y2) / height;
    double min = samples.dataMin, max = samples.dataMax;
    samples.dataMax = min + (max - min) * std::max(g1, g2);
    samples.dataMin = min + (max - min) * std::min(g1, g2);
    zoomed = true;
}
