#include <gtest/gtest.h>

#include <cmath>

#include "tests/viewer/Support.h"
#include "viewer/model/Messages.h"

TEST(Time, SamplesAreTheMeanOfTheResponseOverEachStep)
{
    for (const Reference& ref : LoadReferences("time.txt")) {
        for (int kind : {0, 1}) {
            SCOPED_TRACE(ref.name + (kind ? " impulse" : " step"));
            TempFolder dir;
            FDT f;
            LoadRational(f, dir, ref.data.at("num"), ref.data.at("den"));
            f.endTime = ref.data.at("T")[0];
            std::string error;
            ASSERT_TRUE(f.ComputeTimeResponse(kind, error)) << error;
            EXPECT_EQ(f.GetViewKind(), kind + 5);
            const std::vector<double>& mean = ref.data.at(kind ? "impulse" : "step");
            double largest = 0;
            for (double v : mean)
                largest = std::max(largest, std::fabs(v));
            EXPECT_EQ(f.samples.invalid[0][0], 1);
            EXPECT_EQ(f.samples.invalid[1][0], 1);
            for (int l = 1; l <= 200; ++l) {
                EXPECT_NEAR(f.samples.y[l][0], mean[l - 1], largest * 1e-7) << l;
                EXPECT_DOUBLE_EQ(f.samples.x[l], l * f.endTime * 0.005);
                if (l > 1) {
                    EXPECT_EQ(f.samples.invalid[l][0], 0);
                }
            }
        }
    }
}

TEST(Time, FirstOrderNumbers)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {1}, {1, 1});
    f.endTime = 5;
    std::string error;
    ASSERT_TRUE(f.ComputeTimeResponse(1, error));
    EXPECT_NEAR(f.samples.y[1][0], 0.98760, 5e-6);
    EXPECT_NEAR(f.samples.y[41][0], 0.36332, 5e-6);
    ASSERT_TRUE(f.ComputeTimeResponse(0, error));
    EXPECT_NEAR(f.samples.y[41][0], 0.63668, 5e-6);
}

// The range of the plot is that of the samples drawn: the first step,
// which carries the impulse of 1 / (s + 1000)^2 sampled at 5 ms, is not.
TEST(Time, TheSamplesNotDrawnStayOutOfTheRange)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {1e6}, {1e6, 2000, 1});
    f.endTime = 1;
    std::string error;
    for (int kind : {0, 1}) {
        ASSERT_TRUE(f.ComputeTimeResponse(kind, error)) << error;
        double max = -1e99, min = 1e99;
        for (int l = 2; l <= 200; ++l) {
            max = std::max(max, f.samples.y[l][0]);
            min = std::min(min, f.samples.y[l][0]);
        }
        EXPECT_NE(f.samples.y[1][0], f.samples.y[2][0]);
        EXPECT_EQ(f.samples.dataMax, max);
        EXPECT_EQ(f.samples.dataMin, min);
    }
}

TEST(Time, FailuresAndTheirTexts)
{
    struct Case {
        std::vector<double> num, den;
        double T;
        const char* message;
    };
    for (const Case& c : {Case{{1}, {1, 1}, 0, Msg::InvalidEndTime}, Case{{1}, {1, 1}, -1, Msg::InvalidEndTime},
                          Case{{1}, {1, 1}, NAN, Msg::InvalidEndTime}, Case{{2}, {3}, 1, Msg::NoPolesNoZeros},
                          // Steps beyond what a double takes: nothing or nonsense to draw.
                          Case{{1e8}, {1e8, 2e4, 1}, 1e-320, Msg::InvalidEndTime},
                          Case{{1e8}, {1e8, 2e4, 1}, 1e307, Msg::InvalidEndTime}}) {
        for (int kind : {0, 1}) {
            SCOPED_TRACE(c.message);
            TempFolder dir;
            FDT f;
            LoadRational(f, dir, c.num, c.den);
            f.endTime = c.T;
            std::string error;
            EXPECT_FALSE(f.ComputeTimeResponse(kind, error));
            EXPECT_EQ(error, c.message);
            EXPECT_EQ(f.GetViewKind(), View::Symbolic);
        }
    }
}

TEST(Time, ImpulseOfAPolynomialIsZeroAfterTheImpulses)
{
    // (s + 1) / 2: only impulses at t = 0, which are dropped.
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {1, 1}, {2});
    f.endTime = 1;
    std::string error;
    ASSERT_TRUE(f.ComputeTimeResponse(1, error)) << error;
    for (int l = 1; l <= 200; ++l)
        EXPECT_EQ(f.samples.y[l][0], 0.0);
    // Its step keeps the constant part: 1/2.
    ASSERT_TRUE(f.ComputeTimeResponse(0, error)) << error;
    EXPECT_NEAR(f.samples.y[100][0], 0.5, 1e-8);
}

TEST(Time, UnstableCurvesOverflowIntoInvalidSamples)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {1}, {-400, 1});
    f.endTime = 10;
    std::string error;
    ASSERT_TRUE(f.ComputeTimeResponse(1, error)) << error;
    EXPECT_EQ(f.samples.invalid[200][0], 1);
    EXPECT_EQ(f.samples.invalid[2][0], 0);
    EXPECT_TRUE(std::isfinite(f.samples.dataMax));
    EXPECT_TRUE(std::isfinite(f.samples.dataMin));
}

TEST(Time, EveryCurveStartsFromRest)
{
    // The same curve twice gives the same samples; a zoom keeps the range.
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {1}, {1, 2, 1});
    f.endTime = 10;
    f.curveCount = 2;
    f.zoomed = true;
    f.samples.dataMax = 3;
    f.samples.dataMin = -3;
    std::string error;
    ASSERT_TRUE(f.ComputeTimeResponse(0, error)) << error;
    for (int l = 1; l <= 200; ++l)
        EXPECT_EQ(f.samples.y[l][0], f.samples.y[l][1]);
    EXPECT_EQ(f.samples.dataMax, 3);
    EXPECT_EQ(f.samples.dataMin, -3);
}
