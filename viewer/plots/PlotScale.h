#pragma once
// Pixel arithmetic of the plots: rounded Y axis, X axis marks, pole/zero map.
#include <vector>

// Truncation toward zero to an int, limited to what a canvas can take; 0 for NaN.
int TruncToInt(double v);

struct YAxis {
    double max = 1, min = 0, step = 0.1;
};

// The rounded axis around the data range (dataMin <= dataMax); the phase
// view turns steps above 10 into 0.9 of themselves (50 into 45). A range
// narrower than 1e-6 times the data's size (at most 1) is a constant curve.
YAxis RoundYAxis(double dataMax, double dataMin, bool phase);
// min, min + step, ... up to max.
std::vector<double> YGridValues(const YAxis& axis);

struct XMark {
    double value;
    int x;
    bool grid;   // a line from the bottom to the top of the frame
    bool tick;   // a short tick up from the bottom
    bool label;
};

std::vector<XMark> LinearFrequencyMarks(double xs, double xe, int left, int right);
std::vector<XMark> LogFrequencyMarks(double xs, double xe, int left, int right);
std::vector<XMark> TimeMarks(double endTime, int left, int right);

// The pole/zero map: equal scale on both axes, half-ranges in whole steps.
struct PoleZeroMap {
    double re = 1, im = 1;          // half-ranges
    double stepRe = 1, stepIm = 1;
    int left = 0, right = 0, top = 0, bottom = 0;

    int X(double re) const;
    int Y(double im) const;
    // Grid values: whole steps strictly inside the half-range, 0 left out.
    std::vector<double> GridRe() const;
    std::vector<double> GridIm() const;
};

// R and I: the largest |Re| and |Im| of the roots.
PoleZeroMap ScalePoleZeroMap(double R, double I, int left, int right, int top, int bottom);
