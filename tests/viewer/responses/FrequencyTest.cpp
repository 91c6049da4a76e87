#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tests/support/EngineRun.h"
#include "tests/viewer/Support.h"
#include "viewer/model/Messages.h"
#include "viewer/values/ValueListTable.h"

namespace {

double WrapDegrees(double d) { return std::remainder(d, 360.0); }

void LoadCase(FDT& f, const TempFolder& dir, const Reference& ref)
{
    LoadRational(f, dir, ref.data.at("num"), ref.data.at("den"));
    f.wStart = ref.data.at("range")[0];
    f.wEnd = ref.data.at("range")[1];
    f.hzUnits = false;
}

}  // namespace

TEST(Frequency, GainPhaseAndDelayAgreeWithScipy)
{
    for (const Reference& ref : LoadReferences("responses.txt")) {
        SCOPED_TRACE(ref.name);
        TempFolder dir;
        FDT f;
        LoadCase(f, dir, ref);
        std::string error;
        ASSERT_TRUE(f.ComputeGain(error)) << error;
        const std::vector<double>& gain = ref.data.at("gain");
        for (int u = 0; u < kSampleCount; ++u) {
            EXPECT_NEAR(f.samples.x[u], f.wStart * std::pow(f.wEnd / f.wStart, u * 0.005), f.samples.x[u] * 1e-15);
            EXPECT_EQ(f.samples.invalid[u][0], 0);
            EXPECT_NEAR(f.samples.y[u][0], gain[u], 1e-9) << u;
        }
        ASSERT_TRUE(f.ComputePhase(error)) << error;
        const std::vector<double>& phase = ref.data.at("phase");
        for (int u = 0; u < kSampleCount; ++u)
            EXPECT_NEAR(WrapDegrees(f.samples.y[u][0] - phase[u]), 0.0, 1e-7) << u;
        ASSERT_TRUE(f.ComputeDelay(error)) << error;
        const std::vector<double>& delay = ref.data.at("delay");
        double largest = 0;
        for (double d : delay)
            largest = std::max(largest, std::fabs(d));
        for (int u = 0; u < kSampleCount; ++u)
            EXPECT_NEAR(f.samples.y[u][0], delay[u], largest * 1e-6) << u;
    }
}

TEST(Frequency, LossIsMinusGainAndLinearModes)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {-3.0, 1.0}, {2.0, 3.0, 1.0});
    f.wStart = 0.1;
    f.wEnd = 100;
    std::string error;
    ASSERT_TRUE(f.ComputeGain(error));
    SampleBlock gain = f.samples;
    f.SetViewKind(View::Loss);
    ASSERT_TRUE(f.ComputeGain(error));
    for (int u = 0; u < kSampleCount; ++u)
        EXPECT_NEAR(f.samples.y[u][0], -gain.y[u][0], 1e-12);
    f.yLinear = true;
    f.xLinear = true;
    ASSERT_TRUE(f.ComputeGain(error));
    for (int u = 0; u < kSampleCount; ++u) {
        double w = 0.1 + u * (100 - 0.1) * 0.005;
        EXPECT_NEAR(f.samples.x[u], w / (2 * M_PI), 1e-12);  // hz units by default
        Complex s(0, w);
        EXPECT_NEAR(f.samples.y[u][0], std::abs((s * s + 3.0 * s + 2.0) / (s - 3.0)), 1e-9);
    }
}

TEST(Frequency, NegativeGainShiftsThePhase)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {-1.0}, {1.0, 1.0});
    f.wStart = 1;
    f.wEnd = 10;
    std::string error;
    ASSERT_TRUE(f.ComputePhase(error));
    EXPECT_NEAR(f.samples.y[0][0], -45.0 - 180.0, 1e-9);
}

TEST(Frequency, FailuresAndTheirTexts)
{
    struct Case {
        std::vector<double> num, den;
        double ws, we;
        bool (FDT::*compute)(std::string&);
        const char* message;
    };
    const std::vector<Case> cases = {
        {{1}, {1, 1}, 0, 10, &FDT::ComputeGain, Msg::BadFrequencyLimits},
        {{1}, {1, 1}, 10, 10, &FDT::ComputePhase, Msg::BadFrequencyLimits},
        {{1}, {1, 1}, 1, -10, &FDT::ComputeDelay, Msg::BadFrequencyLimits},
        {{1}, {1, 1}, 1, INFINITY, &FDT::ComputeGain, Msg::BadFrequencyLimits},
        {{1}, {1, 1}, 6e-320, 1e10, &FDT::ComputeGain, Msg::BadFrequencyLimits},  // a ratio beyond a double
        {{1}, {1, 1}, 1e-300, 1e300, &FDT::ComputePhase, Msg::BadFrequencyLimits},
        {{2}, {3}, 1, 10, &FDT::ComputePhase, Msg::NoPolesNoZeros},
        {{2}, {3}, 1, 10, &FDT::ComputeDelay, Msg::NoPolesNoZeros},
        {{2}, {3}, 0, 0, &FDT::PreparePoleZero, Msg::NoPolesNoZeros},
        {{1}, {1, 1}, 0, 0, &FDT::PreparePoleZero, Msg::BadFrequencyLimits},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TempFolder dir;
        FDT f;
        LoadRational(f, dir, c.num, c.den);
        f.SetViewKind(View::Gain);
        f.zoomed = true;
        f.wStart = c.ws;
        f.wEnd = c.we;
        std::string error;
        EXPECT_FALSE((f.*c.compute)(error));
        EXPECT_EQ(error, c.message);
        EXPECT_EQ(f.GetViewKind(), View::Symbolic);
        EXPECT_TRUE(f.zoomed);
    }
    // A constant function still has a flat gain.
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {2}, {4});
    f.wStart = 1;
    f.wEnd = 10;
    std::string error;
    ASSERT_TRUE(f.ComputeGain(error));
    EXPECT_NEAR(f.samples.y[100][0], 20 * std::log10(0.5), 1e-12);
    // A linear axis takes a start too small for the ratio of a logarithmic one.
    f.xLinear = true;
    f.wStart = 6e-320;
    ASSERT_TRUE(f.ComputeGain(error)) << error;
    EXPECT_DOUBLE_EQ(f.samples.x[200], 10 / (2 * M_PI));
}

// A balanced bridge: the current between its midpoints, s (R2 C2 - R1 C1)
// over the rest, is identically zero. Every view that needs the zeros gives
// the root finder's text, the value list's Poles/Zeros as well.
TEST(Frequency, ABalancedBridgeHasNoZerosToFind)
{
    TempFolder dir;
    WriteBytes(dir / "bridge.crc", "bridge\r\nV1 1 0 1 1\r\nR1 1 2 1000 0\r\nC1 2 0 1e-6 0\r\n"
                                   "R2 1 3 1000 0\r\nC2 3 0 1e-6 0\r\n.IOUT 2 3\r\n");
    std::string error;
    ASSERT_TRUE(RunEngineOn(dir / "bridge.crc", error)) << error;
    ListTable table;
    const std::vector<std::function<bool(FDT&, std::string&)>> views = {
        [](FDT& f, std::string& e) { return f.ComputePhase(e); },
        [](FDT& f, std::string& e) { return f.ComputeDelay(e); },
        [](FDT& f, std::string& e) { return f.PreparePoleZero(e); },
        [&](FDT& f, std::string& e) { return FillPoleZeroTable(f, table, e); },
    };
    for (std::size_t i = 0; i < views.size(); ++i) {
        SCOPED_TRACE(i);
        FDT f;
        ASSERT_TRUE(f.LoadParFile(dir / "bridge.fdt", error)) << error;
        ASSERT_EQ(f.numeratorDegree, 1);
        ASSERT_EQ(f.numeratorRows[1][0], 0.0);
        f.wStart = 1;
        f.wEnd = 1e4;
        EXPECT_FALSE(views[i](f, error));
        EXPECT_EQ(error, Msg::Convergence);
    }
    EXPECT_FALSE(table.visible);
}

TEST(Frequency, SamplesWithoutValueAreInvalidAndOutOfTheRange)
{
    // s^2 + 1 vanishes at w = 1, which the linear grid 0.5..1.5 hits at u = 100.
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {1, 0, 1}, {1, 1});
    f.wStart = 0.5;
    f.wEnd = 1.5;
    f.xLinear = true;
    std::string error;
    for (bool linear : {false, true}) {
        f.yLinear = linear;
        ASSERT_TRUE(f.ComputeGain(error));
        EXPECT_EQ(f.samples.invalid[100][0], 1);
        EXPECT_EQ(f.samples.invalid[99][0], 0);
        EXPECT_TRUE(std::isfinite(f.samples.dataMin));
    }
    // s^150 overflows at 1e3 rad/s and above: those samples have no value.
    TempFolder other;
    FDT g;
    std::vector<double> num(151, 0.0);
    num[150] = 1.0;
    LoadRational(g, other, num, {1.0});
    g.wStart = 1;
    g.wEnd = 1e4;
    ASSERT_TRUE(g.ComputeGain(error));
    EXPECT_EQ(g.samples.invalid[0][0], 0);
    EXPECT_EQ(g.samples.invalid[200][0], 1);
    EXPECT_TRUE(std::isfinite(g.samples.dataMax));
}

TEST(Frequency, AZoomKeepsTheDataRange)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {1}, {1, 1});
    f.wStart = 0.01;
    f.wEnd = 100;
    f.zoomed = true;
    f.samples.dataMax = -5;
    f.samples.dataMin = -10;
    std::string error;
    ASSERT_TRUE(f.ComputeGain(error));
    EXPECT_EQ(f.samples.dataMax, -5);
    EXPECT_EQ(f.samples.dataMin, -10);
}
