#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "viewer/model/FDT.h"
#include "viewer/plots/PlotScale.h"

namespace {

std::vector<double> Values(const std::vector<XMark>& marks, bool labelled)
{
    std::vector<double> v;
    for (const XMark& m : marks)
        if (!labelled || m.label)
            v.push_back(m.value);
    return v;
}

}  // namespace

TEST(PlotScale, YAxisRounding)
{
    struct Case {
        double max, min;
        bool phase;
        double axisMax, axisMin, step;
    };
    for (const Case& c : {Case{0, -60, false, 0, -60, 10}, Case{0, -200, true, 0, -225, 45},
                          Case{0, -700, true, 0, -720, 90}, Case{12.3, 1.7, false, 12.5, 0, 2.5},
                          Case{-3.2, -3.9, false, -3.125, -4, 0.125}}) {
        SCOPED_TRACE(c.min);
        YAxis axis = RoundYAxis(c.max, c.min, c.phase);
        EXPECT_NEAR(axis.step, c.step, 1e-12);
        EXPECT_NEAR(axis.max, c.axisMax, 1e-9);
        EXPECT_NEAR(axis.min, c.axisMin, 1e-9);
    }
    std::vector<double> grid = YGridValues(RoundYAxis(0, -60, false));
    ASSERT_EQ(grid.size(), 7u);
    EXPECT_EQ(grid.front(), -60);
    EXPECT_EQ(grid.back(), 0);
}

TEST(PlotScale, DegenerateAndHugeRangesStayUsable)
{
    // A constant curve: an axis 0.1 wide before rounding gives steps of 0.025
    // and an axis that still has a height.
    YAxis flat = RoundYAxis(0, 0, false);
    EXPECT_NEAR(flat.step, 0.025, 1e-15);
    EXPECT_GT(flat.max, flat.min);
    for (double level : {0.0, 3.0, -17.5}) {
        YAxis axis = RoundYAxis(level, level, false);
        EXPECT_GT(axis.max, axis.min);
        EXPECT_LE(axis.min, level);
        EXPECT_GE(axis.max, level);
    }
    for (auto [max, min] : {std::pair{1e20, 1e20}, std::pair{1e300, -1e300}, std::pair{-1e99, 1e99},
                            std::pair{std::nan(""), 0.0}, std::pair{1e-300, 0.0}}) {
        SCOPED_TRACE(max);
        YAxis axis = RoundYAxis(max, min, false);
        EXPECT_TRUE(std::isfinite(axis.max) && std::isfinite(axis.min));
        EXPECT_GT(axis.max, axis.min);
        EXPECT_LE(YGridValues(axis).size(), 1000u);
    }
}

// Data far below 1 (a delay of a fraction of a microsecond) get an axis of
// their own size, not one 0.1 wide.
TEST(PlotScale, SmallDataKeepTheirScale)
{
    struct Case {
        double max, min, axisMax, axisMin, step;
    };
    for (const Case& c : {Case{3.0433e-7, 1.2e-10, 3.125e-7, 0, 6.25e-8},
                          Case{-2e-9, -7e-9, -1.25e-9, -7.5e-9, 1.25e-9},
                          Case{4e-12, 4e-12, 4.125e-12, 3.875e-12, 1.25e-13}}) {
        SCOPED_TRACE(c.max);
        YAxis axis = RoundYAxis(c.max, c.min, false);
        EXPECT_NEAR(axis.step / c.step, 1, 1e-9);
        EXPECT_NEAR(axis.max / c.step, c.axisMax / c.step, 1e-6);
        EXPECT_NEAR(axis.min / c.step, c.axisMin / c.step, 1e-6);
    }
}

TEST(PlotScale, LogarithmicAxisRegimes)
{
    // 1 to 1e6: lines and labels at the decades only, ticks between.
    std::vector<XMark> wide = LogFrequencyMarks(1, 1e6, 50, 650);
    EXPECT_EQ(Values(wide, true), (std::vector<double>{10, 100, 1000, 1e4, 1e5}));
    for (const XMark& m : wide)
        EXPECT_EQ(m.grid, m.label);
    // 1 to 50: every other line labelled, the alternation running across decades.
    std::vector<XMark> mid = LogFrequencyMarks(1, 50, 50, 650);
    EXPECT_EQ(Values(mid, false), (std::vector<double>{2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 20, 30, 40}));
    EXPECT_EQ(Values(mid, true), (std::vector<double>{2, 4, 6, 8, 10, 20, 40}));
    // 10 to 15: the 9 lines strictly between the ends, a tenth apart.
    std::vector<XMark> narrow = LogFrequencyMarks(10, 15, 50, 650);
    ASSERT_EQ(narrow.size(), 9u);
    EXPECT_DOUBLE_EQ(narrow[0].value, 10.5);
    EXPECT_DOUBLE_EQ(narrow[8].value, 14.5);
    EXPECT_TRUE(LogFrequencyMarks(0, 10, 50, 650).empty());
}

TEST(PlotScale, LinearAndTimeAxes)
{
    EXPECT_EQ(Values(LinearFrequencyMarks(0, 100, 50, 650), true), (std::vector<double>{0, 25, 50, 75, 100}));
    EXPECT_EQ(Values(TimeMarks(1, 50, 650), true), (std::vector<double>{0, 0.25, 0.5, 0.75}));
    // Far from 0 a step that no longer changes the value ends the marks, not the program.
    EXPECT_LE(LinearFrequencyMarks(1e20, 1e20 + 1e5, 50, 650).size(), 1000u);
}

TEST(PlotScale, LinearMarksAccumulateTheStep)
{
    // Steps of 0.05 added to 14882.2 give 14882.349999999999 where 297647 x 0.05
    // gives 14882.35: the label reads 14882.3, not 14882.4.
    std::vector<std::string> labels;
    for (const XMark& m : LinearFrequencyMarks(14882.2295, 14882.4350, 50, 650)) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", m.value);
        labels.push_back(text);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"14882.2", "14882.3", "14882.3", "14882.4"}));
}

TEST(PlotScale, YGridAccumulatesTheStep)
{
    // As for the X marks: 14882.2 + 0.05 + 0.05 + 0.05 reads 14882.3 where
    // 14882.2 + 3 x 0.05 reads 14882.4.
    std::vector<std::string> labels;
    for (double v : YGridValues(YAxis{14882.4, 14882.2, 0.05})) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", v);
        labels.push_back(text);
    }
    ASSERT_GE(labels.size(), 4u);
    EXPECT_EQ(labels[3], "14882.3");
}

TEST(PlotScale, PoleZeroMapHasEqualScales)
{
    PoleZeroMap map = ScalePoleZeroMap(1, 10, 50, 450, 30, 430);
    EXPECT_DOUBLE_EQ(map.re, 15);
    EXPECT_DOUBLE_EQ(map.im, 15);
    EXPECT_DOUBLE_EQ(map.stepRe, 5);
    EXPECT_EQ(map.GridRe(), (std::vector<double>{-10, -5, 5, 10}));
    EXPECT_EQ(map.Y(10), 96);  // +10j lies above the real axis
    EXPECT_EQ(map.Y(-10), 363);
    EXPECT_EQ(map.X(-1), 236);
    // Every root at 0: a scale all the same.
    PoleZeroMap zero = ScalePoleZeroMap(0, 0, 50, 450, 30, 430);
    EXPECT_TRUE(std::isfinite(zero.re) && zero.re > 0);
    EXPECT_EQ(zero.X(0), 250);
}

TEST(PlotScale, SampleAndValuePixels)
{
    FDT f;
    f.SetPlotFrame(270, 280);
    EXPECT_EQ(f.frame.left, 50);
    EXPECT_EQ(f.frame.right, 250);
    EXPECT_EQ(f.SampleToX(200), 250);
    EXPECT_EQ(f.SampleToX(101), 151);
    EXPECT_EQ(f.ValueToY(5), 0);  // no axis yet
    f.samples.axisMax = 10;
    f.samples.axisMin = 0;
    EXPECT_EQ(f.ValueToY(5), 130);
    EXPECT_EQ(f.ValueToY(1e300), -10000000);
    f.samples.dataMax = -0.5;
    f.samples.dataMin = -61;
    f.SetViewKind(View::Gain);
    YAxis axis = f.ScaleYAxis();
    EXPECT_EQ(f.samples.axisMax, 0);
    EXPECT_EQ(f.samples.axisMin, -70);
    EXPECT_EQ(axis.step, 10);
}

TEST(PlotScale, ZoomMapsTheBandOnTheSamples)
{
    FDT f;
    f.SetPlotFrame(270, 280);  // left 50, right 250, top 30, bottom 230
    f.hzUnits = false;
    for (int u = 0; u < kSampleCount; ++u)
        f.samples.x[u] = u + 1.0;
    f.samples.dataMax = 0;
    f.samples.dataMin = -40;
    f.SetViewKind(View::Gain);
    f.Zoom(100, 100, 100, 200);  // no width: nothing changes
    EXPECT_FALSE(f.zoomed);
    f.Zoom(250, 80, 100, 230);  // to the right edge and down to the bottom
    EXPECT_TRUE(f.zoomed);
    EXPECT_EQ(f.wStart, 52.0);   // sample 51
    EXPECT_EQ(f.wEnd, 201.0);    // sample 200
    EXPECT_NEAR(f.fEnd, 201.0 / (2 * M_PI), 1e-12);
    EXPECT_EQ(f.samples.dataMin, -40);
    EXPECT_EQ(f.samples.dataMax, -10);
    f.SetViewKind(View::Step);
    f.zoomed = false;
    f.Zoom(60, 40, 120, 100);
    EXPECT_FALSE(f.zoomed);  // time plots do not zoom
}
