#include <gtest/gtest.h>

#include "tests/viewer/ViewFixtures.h"
#include "viewer/approx/ApproxForm.h"
#include "viewer/model/Messages.h"

TEST(ApproxForm, TheTwoBoxesAreOneChoice)
{
    ApproxChoice choice;
    EXPECT_TRUE(choice.coefficients);
    EXPECT_FALSE(FrequencyControlsEnabled(choice));
    NumDenClick(choice, true);
    EXPECT_FALSE(choice.coefficients);
    EXPECT_TRUE(FrequencyControlsEnabled(choice));
    CoefficientsClick(choice, true);
    EXPECT_TRUE(choice.coefficients);
    CoefficientsClick(choice, false);  // unticking one ticks the other
    EXPECT_FALSE(choice.coefficients);
    EXPECT_TRUE(FrequencyControlsEnabled(choice));
}

TEST(ApproxForm, EditsAreChecked)
{
    struct Case {
        const char *err, *freq1, *freq2;
        bool coefficients;
        const char* error;
    };
    for (const Case& c : {Case{"5", "1", "10", true, ""}, Case{" 0 ", "x", "", true, ""},
                          Case{"abc", "1", "10", true, Msg::BadErrorLimit}, Case{"-1", "1", "10", true, Msg::BadErrorLimit},
                          Case{"", "1", "10", false, Msg::BadErrorLimit}, Case{"5", "1", "10", false, ""},
                          Case{"5", "0", "10", false, Msg::BadFrequencyLimits},
                          Case{"5", "1", "ten", false, Msg::BadFrequencyLimits},
                          Case{"5", "inf", "10", false, Msg::BadFrequencyLimits}}) {
        ApproxChoice choice{c.err, c.freq1, c.freq2, true, c.coefficients};
        std::string error;
        EXPECT_EQ(CheckApproxChoice(choice, error), *c.error == 0) << c.err << " " << c.freq1;
        EXPECT_EQ(error, c.error);
    }
}

TEST(ApproxForm, ApproximationOpensWithinTheErrorLimit)
{
    // (1) / (1 + s (R1 C + R2 C)): R2 C is 0.1 % of the s coefficient.
    TempFolder dir;
    FakeHost host;
    ResultWindow window(host);
    window.OpenFdt(
        WriteFunction(dir, "a", "R1 R2 C", "1000 1 1e-6", {{1, 0, {}}}, {{1, 0, {}}, {1, 1, {0, 2}}, {1, 1, {1, 2}}}),
        Remembered());

    ApproxChoice bad;
    bad.err = "five";
    EXPECT_EQ(window.Approximation(bad), "");
    EXPECT_EQ(host.messages, (std::vector<std::string>{Msg::BadErrorLimit}));

    std::string path = window.Approximation(ApproxChoice{});
    EXPECT_EQ(path, dir / "a_App.fdt");
    FakeHost secondHost;
    ResultWindow second(secondHost);
    second.OpenFdt(path, Remembered());
    EXPECT_EQ(second.controls.caption, "a_App.fdt");
    ASSERT_TRUE(second.Model().loaded);
    EXPECT_EQ(second.Model().denominatorTerms, 2);
    for (double w : {10.0, 1000.0, 1e5}) {
        Complex exact = window.Model().ResponseAt(w), approx = second.Model().ResponseAt(w);
        EXPECT_LT(std::abs(approx - exact) / std::abs(exact), 0.05) << w;
    }
}
