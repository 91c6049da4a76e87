#include "viewer/plots/PlotScale.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxMarks = 1000;

double Pow10Trunc(double v) { return std::pow(10.0, std::trunc(v)); }

}  // namespace

int TruncToInt(double v)
{
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::clamp(std::trunc(v), -1e7, 1e7));
}

YAxis RoundYAxis(double dataMax, double dataMin, bool phase)
{
    YAxis axis;
    if (!(dataMax >= dataMin) || !std::isfinite(dataMax) || !std::isfinite(dataMin))
        return axis;
    // Data far below 1 in size (delays in seconds, small amplitudes) keep
    // their own scale: what counts as a constant curve and the smallest step
    // shrink with them.
    double size = std::max(std::fabs(dataMax), std::fabs(dataMin));
    size = size == 0 ? 1.0 : std::clamp(size, 1e-290, 1.0);
    double max = dataMax, min = dataMin;
    if (std::fabs(max - min) < 1e-6 * size)
        max = min + 0.1 * size;
    double range = std::fabs(max - min);
    double step = range > 0 ? Pow10Trunc(std::log10(range)) * 0.5 : 0.0;
    if (!(step >= 1e-6 * size))
        step = 0.1 * size;
    if (max != min) {
        for (int i = 0; i < 2200 && std::fabs(range / step) > 9; ++i)
            step *= 2;
        for (int i = 0; i < 2200 && std::fabs(range / step) < 3; ++i)
            step *= 0.5;
    }
    if (phase && step > 10)
        step *= 0.9;
    // The lowest grid value not below the data and the highest not above it.
    double top = std::ceil(dataMax / step);
    if ((top - 1) * step >= dataMax)
        top -= 1;
    double bottom = std::floor(dataMin / step);
    if ((bottom + 1) * step <= dataMin)
        bottom += 1;
    axis.max = top * step;
    axis.min = bottom * step;
    axis.step = step;
    if (!(axis.max > axis.min)) {
        axis.max += step;
        axis.min -= step;
    }
    if (!(axis.max > axis.min)) {
        double d = std::max(step, std::fabs(dataMax) * 1e-6);
        axis = {dataMax + d, dataMin - d, d};
    }
    return axis;
}

std::vector<double> YGridValues(const YAxis& axis)
{
    // Accumulated step by step, as the X marks are: the rounding shows in the labels.
    std::vector<double> values;
    for (double v = axis.min; v <= axis.max && values.size() < kMaxMarks; v += axis.step) {
        values.push_back(v);
        if (v + axis.step == v)
            break;
    }
    return values;
}

std::vector<XMark> LinearFrequencyMarks(double xs, double xe, int left, int right)
{
    std::vector<XMark> marks;
    double range = xe - xs;
    if (!(range > 0) || !std::isfinite(range))
        return marks;
    double step = Pow10Trunc(std::log10(range)) * 0.5;
    if (range < step)
        step *= 0.1;
    if (range / step > 8)
        step *= 2;
    if (range / step < 4)
        step *= 0.5;
    // The mark value is accumulated step by step: its rounding shows in the labels.
    double t = std::trunc(xs / step) * step;
    for (int i = 0; i < kMaxMarks && t <= xe; ++i) {
        int x = TruncToInt((right - left) * (t - xs) / range + left);
        if (left <= x && x <= right)
            marks.push_back({t, x, true, false, true});
        if (t + step == t)
            break;
        t += step;
    }
    return marks;
}

std::vector<XMark> LogFrequencyMarks(double xs, double xe, int left, int right)
{
    std::vector<XMark> marks;
    if (!(xs > 0 && xe > xs) || !std::isfinite(xe))
        return marks;
    double span = std::log10(xe / xs);
    auto place = [&](double t) { return TruncToInt(std::log10(t / xs) * (right - left) / span + left); };
    auto inside = [&](int x) { return left < x && x < right; };
    double baseExp = std::trunc(std::log10(xs) - 0.5);
    double base = std::pow(10.0, baseExp);
    int decades = static_cast<int>(std::fabs(baseExp - std::trunc(std::log10(xe) + 0.5)));
    if (decades > 2) {
        for (int f = -1; f <= decades; ++f) {
            double L = std::pow(10.0, f) * base;
            for (int m = 2; m <= 10; ++m) {
                int x = place(m * L);
                if (inside(x))
                    marks.push_back({m * L, x, m == 10, true, m == 10});
            }
        }
        return marks;
    }
    bool label = true;
    auto line = [&](double t) {
        int x = place(t);
        if (!inside(x))
            return;
        marks.push_back({t, x, true, true, label});
        label = !label;
    };
    if (xe / xs > 2) {
        for (int f = -1; f <= decades; ++f)
            for (int m = 1; m <= 10; ++m)
                line(m * std::pow(10.0, f) * base);
    } else {
        for (int i = 0; i <= 10; ++i)
            line(xs + i * (xe - xs) * 0.1);
    }
    return marks;
}

std::vector<XMark> TimeMarks(double endTime, int left, int right)
{
    std::vector<XMark> marks;
    if (!(endTime > 0) || !std::isfinite(endTime))
        return marks;
    double step = Pow10Trunc(std::log10(endTime)) * 0.5;
    if (step > endTime)
        step *= 0.1;
    if (endTime / step > 8)
        step *= 2;
    if (endTime / step < 4)
        step *= 0.5;
    for (int i = 0; i < kMaxMarks; ++i) {
        double t = i * step;
        if (t > endTime)
            break;
        int x = TruncToInt(left + t * (right - left) / endTime);
        if (x < right)
            marks.push_back({t, x, true, false, true});
    }
    return marks;
}

namespace {

double MapStep(double range)
{
    double step = Pow10Trunc(std::log10(range)) * 0.5;
    for (int i = 0; i < 2200 && range / step < 3; ++i)
        step *= 0.5;
    for (int i = 0; i < 2200 && range / step > 9; ++i)
        step *= 2;
    return step;
}

std::vector<double> MapGrid(double half, double step)
{
    std::vector<double> values;
    int n = TruncToInt(half / step + 0.5) - 1;
    for (int i = -n; i <= n && values.size() < kMaxMarks; ++i)
        if (i != 0)
            values.push_back(i * step);
    return values;
}

}  // namespace

PoleZeroMap ScalePoleZeroMap(double R, double I, int left, int right, int top, int bottom)
{
    PoleZeroMap map;
    map.left = left;
    map.right = right;
    map.top = top;
    map.bottom = bottom;
    double W = std::max(1, right - left), H = std::max(1, bottom - top);
    if (!std::isfinite(R) || !std::isfinite(I) || R < 0 || I < 0 || (R == 0 && I == 0))
        R = I = 1.0;
    double r = R * H / W;
    if (r > I)
        I = r;
    if (r < I)
        r = I;
    R = r * W / H;
    map.stepRe = MapStep(2 * R);
    map.stepIm = MapStep(2 * I);
    map.im = std::trunc(I / map.stepIm + 0.5) * map.stepIm + map.stepIm;
    map.re = std::trunc(R / map.stepRe + 0.5) * map.stepRe + map.stepRe;
    // Whole steps differ on the two axes: widen one so both keep one scale.
    if (map.re / W < map.im / H)
        map.re = map.im * W / H;
    else if (map.im / H < map.re / W)
        map.im = map.re * H / W;
    return map;
}

int PoleZeroMap::X(double v) const { return TruncToInt(v * (right - left) * 0.5 / re + (right + left) / 2); }

int PoleZeroMap::Y(double v) const { return TruncToInt((top + bottom) / 2 - v * (bottom - top) * 0.5 / im); }

std::vector<double> PoleZeroMap::GridRe() const { return MapGrid(re, stepRe); }

std::vector<double> PoleZeroMap::GridIm() const { return MapGrid(im, stepIm); }
