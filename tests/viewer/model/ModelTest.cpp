#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "tests/support/EngineRun.h"
#include "tests/viewer/Support.h"
#include "viewer/model/Messages.h"
#include "viewer/texts/NumericText.h"

namespace {

// RC low-pass 1 / (1 + s R C): names R1 C1, the capacitor swept on request.
std::vector<FileTerm> LowPassNum() { return {{1.0, 0, {}}}; }
std::vector<FileTerm> LowPassDen() { return {{1.0, 0, {}}, {1.0, 1, {0, 1}}}; }

std::string LowPass(const TempFolder& dir, const std::vector<std::string>& more = {})
{
    WriteFdtFile(dir / "rc.fdt", LowPassNum(), LowPassDen());
    WriteBytes(dir / "rc.par", ParText("R1 C1 ", "1000 1e-06 ", LowPassNum(), LowPassDen(), more));
    return dir / "rc.fdt";
}

}  // namespace

TEST(Model, CurveCountFromLineSeven)
{
    struct Case {
        const char* line7;
        int curves;
    };
    for (const Case& c : {Case{"1 2 0 0 0 0 ", 2}, Case{"1 2 3 4 5 6 ", 6}, Case{"0 0 0 0 0 0 ", 1},
                          Case{"4 0 5 0 0 0 ", 1}, Case{"3e-6 ", 1}, Case{"1e-6 2e-6 5e-6 ", 3}}) {
        SCOPED_TRACE(c.line7);
        TempFolder dir;
        FDT f;
        std::string error;
        ASSERT_TRUE(f.LoadParFile(LowPass(dir, {"1 10 0.5", "1", c.line7}), error)) << error;
        EXPECT_EQ(f.curveCount, c.curves);
        EXPECT_EQ(f.sweptComponent, 1);
        EXPECT_DOUBLE_EQ(f.wStart, 6.283185307179586);
        EXPECT_DOUBLE_EQ(f.endTime, 0.5);
    }
}

TEST(Model, OneCurveWithAFirstValueOfZeroSweepsToZero)
{
    TempFolder dir;
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(LowPass(dir, {"1 10 0.5", "1", "0 0 0 0 0 0 "}), error)) << error;
    EXPECT_DOUBLE_EQ(f.CompoValueForCurve(1, 0), 0.0);
    EXPECT_DOUBLE_EQ(f.gain[0], 1.0);  // 1 / (1 + 0 s): the leading coefficient is 0
}

// One curve of a sweep: the swept component takes the curve's value, which
// then is its value in the grid and in the file written.
TEST(Model, OneCurveSweepGivesTheSweptValue)
{
    struct Case {
        const char* what;
        std::vector<std::string> more;
        const char* gain;  // of the Numeric view
        bool constant;
        double r1;  // the value of R1 after the load
    };
    const std::vector<Case> cases = {
        {"first value 0", {"10 100000 0.001", "1", "0 2000 0 0 0 0 "}, "1", true, 0.0},
        {"one value", {"10 100000 0.001", "1", "5000 0 0 0 0 0 "}, "2000", false, 5000.0},
        {"no sweep", {"10 100000 0.001"}, "10000", false, 1000.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        for (const char* ext : {".fdt", ".par"})
            std::filesystem::copy_file(std::string(TERVOX_SOURCE_DIR) + "/examples/rc_lowpass" + ext,
                                       dir / (std::string("rc") + ext));
        std::string par = ReadBytes(dir / "rc.par");
        par.replace(par.find("1e-06"), 5, "1e-07");  // C1; R1 stays 1000
        for (const std::string& line : c.more)
            par += line + "\r\n";
        WriteBytes(dir / "rc.par", par);
        FDT f;
        std::string error;
        ASSERT_TRUE(f.LoadParFile(dir / "rc.fdt", error)) << error;
        ASSERT_EQ(f.GetCompo(1).name, "R1");
        EXPECT_EQ(f.curveCount, 1);
        EXPECT_EQ(f.GetCompo(1).value, c.r1);
        NumericText t = NumericTextOf(f);
        EXPECT_EQ(t.gain, c.gain);
        EXPECT_EQ(t.constant, c.constant);
        Complex s(0.0, 1e4);
        EXPECT_NEAR(std::abs(f.ResponseAt(1e4) - 1.0 / (1.0 + s * c.r1 * 1e-7)), 0.0, 1e-12);
        // Saved and read again: the same function.
        ASSERT_TRUE(f.SaveParFile("", error)) << error;
        FDT g;
        ASSERT_TRUE(g.LoadParFile(dir / "rc.fdt", error)) << error;
        EXPECT_EQ(NumericTextOf(g).gain, c.gain);
    }
}

TEST(Model, FourLineFileGivesOneCurveAndNoInterval)
{
    TempFolder dir;
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(LowPass(dir), error)) << error;
    EXPECT_TRUE(f.loaded);
    EXPECT_EQ(f.curveCount, 1);
    EXPECT_EQ(f.sweptComponent, -1);
    EXPECT_EQ(f.wStart, 0.0);
    EXPECT_EQ(f.endTime, 0.0);
    EXPECT_EQ(f.GetViewKind(), View::Symbolic);
    ASSERT_EQ(f.CompoCount(), 2);
    EXPECT_EQ(f.RowOfCompo(1), 1);
    EXPECT_EQ(f.CompoIndexOfRow(1), 1);
    EXPECT_EQ(f.CompoIndexOfRow(7), 2);
}

TEST(Model, LowPassSweptOverThreeValues)
{
    TempFolder dir;
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(LowPass(dir, {"1 1000 0.01", "1", "1e-6 2e-6 5e-6 0 0 0 "}), error)) << error;
    ASSERT_EQ(f.curveCount, 3);
    const double c[3] = {1e-6, 2e-6, 5e-6};
    std::string ignored;
    ASSERT_TRUE(f.PreparePoleZero(ignored)) << ignored;
    for (int i = 0; i < 3; ++i) {
        double a = 1.0 / (1000.0 * c[i]);
        EXPECT_DOUBLE_EQ(f.denominatorRows[1][i], 1.0);
        EXPECT_NEAR(f.denominatorRows[0][i], a, a * 1e-14);
        EXPECT_NEAR(f.gain[i], a, a * 1e-14);
        ASSERT_EQ(f.poleCount[i], 1);
        EXPECT_NEAR(f.Pole(1, i).real(), -a, a * 1e-14);
        EXPECT_EQ(f.zeroCount[i], 0);
    }
    f.hzUnits = false;
    ASSERT_TRUE(f.ComputeGain(error)) << error;
    for (int i = 0; i < 3; ++i)
        for (int u : {0, 100, 200}) {
            double w = f.samples.x[u], a = 1.0 / (1000.0 * c[i]);
            EXPECT_NEAR(f.samples.y[u][i], -10.0 * std::log10(1.0 + (w / a) * (w / a)), 1e-9);
        }
    // ResponseAt uses curve 0.
    Complex h = f.ResponseAt(1000.0);
    EXPECT_NEAR(std::abs(h), std::sqrt(0.5), 1e-12);
}

TEST(Model, NumericNamesHaveNoRowButMultiply)
{
    TempFolder dir;
    std::vector<FileTerm> num = {{2.0, 0, {0}}}, den = {{1.0, 0, {}}, {1.0, 1, {1}}};
    WriteFdtFile(dir / "n.fdt", num, den);
    WriteBytes(dir / "n.par", ParText("$ Ra ", "3 0.5 ", num, den));
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(dir / "n.fdt", error)) << error;
    EXPECT_EQ(f.RowOfCompo(0), -1);
    EXPECT_EQ(f.RowOfCompo(1), 0);
    EXPECT_DOUBLE_EQ(f.gain[0], 6.0 / 0.5);
}

TEST(Model, SaveAndReloadRoundTrip)
{
    TempFolder dir;
    std::string fdt = LowPass(dir, {"1 10 0.5", "1", "1 2 3 4 0 0 "});
    std::string fdtBytes = ReadBytes(fdt);
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(fdt, error)) << error;
    f.SetCompoValue(0, 2200);
    f.curveCount = 2;
    f.curveValues[0] = 1e-9;
    f.curveValues[1] = 4.7e-9;
    f.fStart = 20;
    f.fEnd = 20000;
    f.endTime = 0.001;
    ASSERT_TRUE(f.SaveParFile("", error)) << error;
    EXPECT_EQ(ReadBytes(dir / "rc.par"),
              "R1 C1 \r\n2200 1E-6 \r\n0 1\r\n1 2\r\n20 20000 0.001\r\n1\r\n1E-9 4.7E-9 0 0 0 0 \r\n");
    FDT g;
    ASSERT_TRUE(g.LoadParFile(fdt, error)) << error;
    EXPECT_EQ(g.curveCount, 2);
    EXPECT_EQ(g.curveValues[1], 4.7e-9);
    EXPECT_EQ(g.GetCompo(0).value, 2200);
    EXPECT_EQ(g.fEnd, 20000);
    // Save As to a name ending in .fdt writes only the parameter file of that base.
    ASSERT_TRUE(g.SaveParFile(dir / "copy.fdt", error)) << error;
    EXPECT_EQ(g.parPath, dir / "copy.par");
    EXPECT_EQ(g.fdtPath, fdt);
    EXPECT_FALSE(std::ifstream(dir / "copy.fdt").good());
    EXPECT_EQ(ReadBytes(fdt), fdtBytes);
    // One curve writes no sweep lines.
    g.curveCount = 1;
    ASSERT_TRUE(g.SaveParFile("", error));
    EXPECT_EQ(ReadBytes(dir / "copy.par"), "R1 C1 \r\n2200 1E-6 \r\n0 1\r\n1 2\r\n20 20000 0.001\r\n");
}

// Save As under a new name gives a pair that opens again: the parameter file
// and a copy of the terms.
TEST(Model, SaveAsWritesThePairUnderTheNewName)
{
    TempFolder dir;
    std::string fdt = LowPass(dir);
    std::string fdtBytes = ReadBytes(fdt), parBytes = ReadBytes(dir / "rc.par");
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(fdt, error)) << error;
    f.SetCompoValue(0, 2200);
    EXPECT_FALSE(f.SaveAsReplaces(dir / "copy.fdt"));
    ASSERT_TRUE(f.SavePairAs(dir / "copy.fdt", error)) << error;
    EXPECT_EQ(f.fdtPath, dir / "copy.fdt");
    EXPECT_EQ(f.parPath, dir / "copy.par");
    EXPECT_EQ(ReadBytes(dir / "copy.fdt"), fdtBytes);
    EXPECT_EQ(ReadBytes(dir / "rc.par"), parBytes);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"copy.fdt", "copy.par", "rc.fdt", "rc.par"}));
    FDT g;
    ASSERT_TRUE(g.LoadParFile(dir / "copy.fdt", error)) << error;
    EXPECT_EQ(g.GetCompo(0).value, 2200);
    EXPECT_EQ(g.numeratorTerms, 1);

    // Its own pair again: only the parameter file is rewritten.
    f.SetCompoValue(0, 3300);
    EXPECT_FALSE(f.SaveAsReplaces(dir / "copy.fdt"));
    ASSERT_TRUE(f.SavePairAs(dir / "copy.par", error)) << error;
    EXPECT_EQ(ReadBytes(dir / "copy.fdt"), fdtBytes);
    ASSERT_TRUE(g.LoadParFile(dir / "copy.fdt", error)) << error;
    EXPECT_EQ(g.GetCompo(0).value, 3300);

    // Another model over that pair, or over a lone parameter file, replaces.
    FDT h;
    ASSERT_TRUE(h.LoadParFile(fdt, error)) << error;
    EXPECT_TRUE(h.SaveAsReplaces(dir / "copy.fdt"));
    WriteBytes(dir / "lone.par", "x");
    EXPECT_TRUE(h.SaveAsReplaces(dir / "lone.fdt"));
}

TEST(Model, SaveAsThatFailsWritesNothing)
{
    TempFolder dir;
    std::string fdt = LowPass(dir);
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(fdt, error)) << error;
    EXPECT_FALSE(f.SavePairAs(dir / "missing/copy.fdt", error));
    EXPECT_EQ(error, "The file " + dir / "missing/copy.fdt" + " cannot be written!");
    EXPECT_EQ(f.fdtPath, fdt);

    std::filesystem::remove(fdt);  // the terms are gone since the load
    EXPECT_FALSE(f.SavePairAs(dir / "copy.fdt", error));
    EXPECT_EQ(error, "The file " + fdt + " cannot be read!");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"rc.par"});
}

// Save As under a name near the file system's limit writes the pair; a name
// whose pair would be too long is told so, and nothing is written.
TEST(Model, SaveAsUnderANameNearTheLimit)
{
    TempFolder dir;
    std::string fdt = LowPass(dir);
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(fdt, error)) << error;
    const std::string base(246, 'n');
    ASSERT_TRUE(f.SavePairAs(dir / (base + ".fdt"), error)) << error;
    EXPECT_EQ(ReadBytes(dir / (base + ".fdt")), ReadBytes(fdt));
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{base + ".fdt", base + ".par", "rc.fdt", "rc.par"}));
    FDT g;
    ASSERT_TRUE(g.LoadParFile(dir / (base + ".fdt"), error)) << error;

    const std::string tooLong = dir / (std::string(253, 'n') + ".fdt");
    EXPECT_FALSE(f.SavePairAs(dir / std::string(253, 'n'), error));
    EXPECT_EQ(error, "The file " + tooLong + " cannot be written!\r\nIts name is too long for the file system!");
    EXPECT_EQ(dir.Names().size(), 4u);
}

TEST(Model, SaveKeepsASweepWithAZeroValue)
{
    TempFolder dir;
    std::string fdt = LowPass(dir);
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(fdt, error)) << error;
    f.sweptComponent = 1;
    f.curveCount = 3;
    f.curveValues[0] = 1e-6;
    f.curveValues[1] = 0;
    f.curveValues[2] = 2e-6;
    f.fEnd = 10;
    ASSERT_TRUE(f.SaveParFile("", error)) << error;
    EXPECT_EQ(ReadBytes(dir / "rc.par"), "R1 C1 \r\n1000 1E-6 \r\n0 1\r\n1 2\r\n0 10 0\r\n1\r\n1E-6 0 2E-6 0 0 0 \r\n");
    // Read back, the values end at the 0: one curve with the first value.
    FDT g;
    ASSERT_TRUE(g.LoadParFile(fdt, error)) << error;
    EXPECT_EQ(g.curveCount, 1);
    EXPECT_EQ(g.sweptComponent, 1);
    EXPECT_EQ(g.CompoValueForCurve(1, 0), 1e-6);
}

TEST(Model, SaveOfAFailedLoadLeavesTheFileAlone)
{
    TempFolder dir;
    std::string par = "R1 \r\n1 \r\n0 0\r\n0 0\r\n";
    WriteBytes(dir / "e.par", par);
    FDT f;
    std::string error;
    EXPECT_FALSE(f.LoadParFile(dir / "e.fdt", error));
    EXPECT_EQ(error, "File " + dir / "e.par" + ". Simulation aborted (0 terms)!");
    EXPECT_FALSE(f.SaveParFile("", error));
    EXPECT_EQ(ReadBytes(dir / "e.par"), par);
}

TEST(Model, CorruptFilesAreRefused)
{
    std::vector<FileTerm> num = LowPassNum(), den = LowPassDen();
    std::string goodPar = ParText("R1 C1 ", "1000 1e-06 ", num, den);
    struct Case {
        const char* what;
        std::string par;
        std::vector<FileTerm> num, den;
        int cut;           // bytes cut from the end of the .fdt
        const char* file;  // the file the message names
    };
    const std::vector<Case> cases = {
        {"no parameter file", "", num, den, 0, "par"},
        {"two lines only", "R1 C1 \r\n1000 1e-06 \r\n", num, den, 0, "par"},
        {"more values than names", "R1 C1 \r\n1 2 3 \r\n0 1\r\n1 2\r\n", num, den, 0, "par"},
        {"fewer values than names", "R1 C1 \r\n1 \r\n0 1\r\n1 2\r\n", num, den, 0, "par"},
        {"seven sweep values", goodPar + "1 2 0\r\n1\r\n1 2 3 4 5 6 7 \r\n", num, den, 0, "par"},
        {"swept index beyond line 1", goodPar + "1 2 0\r\n5\r\n1 2 \r\n", num, den, 0, "par"},
        {"degree above 255", "R1 C1 \r\n1 2 \r\n300 1\r\n1 2\r\n", num, den, 0, "par"},
        {"truncated record", goodPar, num, den, 13, "fdt"},
        {"no end record", goodPar, num, den, 10, "fdt"},
        {"power above degree", goodPar, {{1.0, 2, {}}}, den, 0, "fdt"},
        {"symbol beyond line 1", goodPar, {{1.0, 0, {2}}}, den, 0, "fdt"},
        {"coefficient not a number", goodPar, {{std::nan(""), 0, {}}}, den, 0, "fdt"},
        {"infinite coefficient", goodPar, num, {{1.0, 0, {}}, {-INFINITY, 1, {0, 1}}}, 0, "fdt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        WriteFdtFile(dir / "x.fdt", c.num, c.den);
        std::string bytes = ReadBytes(dir / "x.fdt");
        WriteBytes(dir / "x.fdt", bytes.substr(0, bytes.size() - c.cut));
        if (!c.par.empty())
            WriteBytes(dir / "x.par", c.par);
        FDT f;
        std::string error;
        EXPECT_FALSE(f.LoadParFile(dir / "x.fdt", error));
        EXPECT_NE(error.find(dir / (std::string("x.") + c.file)), std::string::npos) << error;
        EXPECT_FALSE(f.loaded);
        EXPECT_EQ(f.CompoCount(), 0);
        EXPECT_TRUE(f.numeratorRows.empty());
    }
}

TEST(Model, ZeroLeadingCoefficientInOneCurve)
{
    // Denominator 1 + s R C with C swept to 0 in curve 1: that curve has degree 0.
    TempFolder dir;
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(LowPass(dir, {"1 1000 1", "1", "1e-3 0 0 0 0 0 "}), error)) << error;
    ASSERT_EQ(f.curveCount, 1);  // a 0 ends the sweep values
    f.curveCount = 2;
    f.curveValues[1] = 0.0;
    f.curveValues[0] = 1e-3;
    ASSERT_TRUE(f.ComputePhase(error)) << error;
    EXPECT_EQ(f.denominatorEffective[1], 0);
    EXPECT_EQ(f.poleCount[0], 1);
    EXPECT_EQ(f.poleCount[1], 0);
    EXPECT_DOUBLE_EQ(f.gain[1], 1.0);
    for (int u = 0; u < kSampleCount; ++u)
        EXPECT_EQ(f.samples.y[u][1], 0.0);
    EXPECT_NEAR(f.samples.y[0][0], -std::atan(f.samples.x[0] * 2 * M_PI) * 180 / M_PI, 1e-9);
    ASSERT_TRUE(f.ComputeDelay(error)) << error;
    ASSERT_TRUE(f.ComputeTimeResponse(0, error)) << error;
    EXPECT_NEAR(f.samples.y[200][1], 1.0, 1e-8);  // the step of a constant 1
    EXPECT_NEAR(f.samples.y[200][0], 1.0 - std::exp(-1.0) * (std::exp(0.005) - 1) / 0.005, 1e-6);
}

namespace {

TextPiece Piece(const char* text, bool bold = false, bool gap = false) { return {text, bold, false, gap}; }

// The ladder of two RC sections with R1_X1 = 0: 1 / (1 + s R C) as summed,
// whose s^2 coefficient (the degree in the file) is 0.
std::string ShortedLadder(const TempFolder& dir)
{
    WriteBytes(dir / "ladder.crc", "ladder\r\nV1 1 0 1 1\r\nR1_X1 1 2 0 0\r\nC1_X1 2 0 1e-6 0\r\n"
                                   "R1_X2 2 3 1000 0\r\nC1_X2 3 0 1e-6 0\r\n.OUT 3\r\n");
    std::string error;
    EXPECT_TRUE(RunEngineOn(dir / "ladder.crc", error)) << error;
    return dir / "ladder.fdt";
}

// 1 / (1 - s + R s^2) with R = 0: the leading coefficient below the degree is negative.
std::string UnstableFirstOrder(const TempFolder& dir)
{
    std::vector<FileTerm> num = {{1, 0, {}}}, den = {{1, 0, {}}, {-1, 1, {}}, {1, 2, {0}}};
    WriteFdtFile(dir / "u.fdt", num, den);
    WriteBytes(dir / "u.par", ParText("R ", "0 ", num, den));
    return dir / "u.fdt";
}

}  // namespace

// A curve whose coefficient of the degree in the file is 0 keeps K = 1 and
// its rows as summed; every view still gives the function's own values.
TEST(Model, ZeroCoefficientOfTheDegreeKeepsTheRowsAsSummed)
{
    struct Case {
        const char* what;
        std::string (*write)(const TempFolder&);
        std::vector<TextPiece> numerator, denominator;
        double tau;  // H = 1 / (1 + tau s)
    };
    const std::vector<Case> cases = {
        {"shorted ladder", ShortedLadder, {Piece(" +1", false, true)},
         {Piece(" +0.001"), Piece(" s", true, true), Piece(" +1", false, true)}, 1e-3},
        {"negative leading coefficient", UnstableFirstOrder, {Piece(" +1", false, true)},
         {Piece("-1"), Piece(" s", true, true), Piece(" +1", false, true)}, -1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        FDT f;
        std::string error;
        ASSERT_TRUE(f.LoadParFile(c.write(dir), error)) << error;
        EXPECT_EQ(f.gain[0], 1.0);
        NumericText t = NumericTextOf(f);
        EXPECT_EQ(t.gain, "1");
        EXPECT_EQ(t.numerator, c.numerator);
        EXPECT_EQ(t.denominator, c.denominator);

        auto h = [&](double w) { return 1.0 / (1.0 + Complex(0.0, w) * c.tau); };
        f.wStart = 0.01 / std::fabs(c.tau);
        f.wEnd = 100 / std::fabs(c.tau);
        f.hzUnits = false;
        ASSERT_TRUE(f.ComputeGain(error)) << error;
        for (int u = 0; u < kSampleCount; u += 50)
            EXPECT_NEAR(f.samples.y[u][0], 20 * std::log10(std::abs(h(f.samples.x[u]))), 1e-9) << u;
        ASSERT_TRUE(f.ComputePhase(error)) << error;
        for (int u = 0; u < kSampleCount; u += 50)
            EXPECT_NEAR(std::remainder(f.samples.y[u][0] - std::arg(h(f.samples.x[u])) * 180 / M_PI, 360.0), 0.0,
                        1e-9)
                << u;
        ASSERT_TRUE(f.ComputeDelay(error)) << error;
        for (int u = 0; u < kSampleCount; u += 50) {
            double wt = f.samples.x[u] * c.tau;
            EXPECT_NEAR(f.samples.y[u][0], c.tau / (1 + wt * wt), std::fabs(c.tau) * 1e-9) << u;
        }
        ASSERT_TRUE(f.PreparePoleZero(error)) << error;
        EXPECT_EQ(f.poleCount[0], 1);
        EXPECT_EQ(f.zeroCount[0], 0);
        EXPECT_NEAR(f.Pole(1, 0).real(), -1 / c.tau, 1e-9 / std::fabs(c.tau));
        // The step's samples are its mean over each step: 1 - e^(-t/tau) averaged.
        f.endTime = 2 * std::fabs(c.tau);
        ASSERT_TRUE(f.ComputeTimeResponse(0, error)) << error;
        double step = f.endTime * 0.005, a = -1 / c.tau;
        for (int l = 2; l <= 200; l += 66) {
            double mean = 1 - std::exp(a * (l - 1) * step) * (std::exp(a * step) - 1) / (a * step);
            EXPECT_NEAR(f.samples.y[l][0], mean, 1e-6) << l;
        }
    }
}

TEST(Model, IdenticallyZeroPolynomialsAreReported)
{
    // Denominator s R C with C = 0: nothing is left of it.
    TempFolder dir;
    std::vector<FileTerm> num = {{1.0, 0, {}}}, den = {{1.0, 1, {0, 1}}};
    WriteFdtFile(dir / "z.fdt", num, den);
    WriteBytes(dir / "z.par", ParText("R1 C1 ", "1000 0 ", num, den, {"1 10 1"}));
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(dir / "z.fdt", error)) << error;
    EXPECT_FALSE(f.ComputePhase(error));
    EXPECT_EQ(error, Msg::NoFiniteFunction);
    EXPECT_FALSE(f.ComputeTimeResponse(1, error));
    EXPECT_EQ(error, Msg::NoFiniteFunction);
    // The gain has no value anywhere: it says so as well.
    EXPECT_FALSE(f.ComputeGain(error));
    EXPECT_EQ(error, Msg::NoFiniteFunction);
}

TEST(Model, PhasorIgnoresTheSweepAndUsesSourcePhases)
{
    // H = V1 / (1 + s R C) at w = 1 / (R C): V1 of magnitude 2 and phase 90 degrees.
    TempFolder dir;
    std::vector<FileTerm> num = {{1.0, 0, {2}}}, den = LowPassDen();
    WriteFdtFile(dir / "p.fdt", num, den);
    WriteBytes(dir / "p.par", ParText("R1 C1 V1 ", "1000 1e-3 2 ", num, den,
                                          {"0.15915494309189535 1 1", "1", "1e-3 2e-3 3e-3 4e-3 5e-3 6e-3 "}));
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(dir / "p.fdt", error)) << error;
    f.components[2].phase = 90;
    for (int curves : {1, 6}) {
        f.curveCount = curves;
        f.SetViewKind(View::Phasor);
        ASSERT_TRUE(f.EvaluateCoefficients(error)) << error;
        EXPECT_TRUE(f.PhasorValid());
        Complex expected = Complex(0.0, 2.0) / Complex(1.0, 1.0);
        EXPECT_NEAR(std::abs(f.phasorResult - expected), 0.0, 1e-12);
    }
    // A denominator that vanishes at w start: the phasor has no value.
    TempFolder other;
    FDT g;
    LoadRational(g, other, {1.0}, {0.0, 1.0});
    g.wStart = 0;
    ASSERT_TRUE(g.ComputePhasor(error)) << error;
    EXPECT_FALSE(g.PhasorValid());
}

TEST(Model, SetViewKindClearsTheZoomOnlyOnAChange)
{
    FDT f;
    f.SetViewKind(View::Gain);
    f.zoomed = true;
    f.SetViewKind(View::Gain);
    EXPECT_TRUE(f.zoomed);
    f.SetViewKind(View::Phase);
    EXPECT_FALSE(f.zoomed);
    EXPECT_EQ(f.GetViewKind(), View::Phase);
}

TEST(Model, LargeFilesAcrossTheReadBuffer)
{
    // Records of every length, straddling the reader's buffer boundaries.
    TempFolder dir;
    std::vector<FileTerm> num, den = {{1.0, 0, {}}};
    double expected[3] = {};
    const double values[3] = {1.5, 0.5, 2.0};
    for (int t = 0; t < 60000; ++t) {
        FileTerm term{1.0 + t % 7, t % 3, {}};
        for (int k = 0; k < t % 256; ++k)
            term.symbols.push_back(k % 3);
        double v = term.coefficient;
        for (int s : term.symbols)
            v = values[s] * v;
        expected[term.power] += v;
        num.push_back(term);
    }
    WriteFdtFile(dir / "big.fdt", num, den);
    WriteBytes(dir / "big.par", ParText("A B C ", "1.5 0.5 2 ", num, den));
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(dir / "big.fdt", error)) << error;
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(f.numeratorRows[k][0], expected[k] / expected[2]);
    EXPECT_EQ(f.gain[0], expected[2]);
    // Cut inside a record far into the file.
    std::string bytes = ReadBytes(dir / "big.fdt");
    WriteBytes(dir / "big.fdt", bytes.substr(0, bytes.size() / 2 + 3));
    EXPECT_FALSE(f.EvaluateCoefficients(error));
    EXPECT_EQ(error, "The file " + dir / "big.fdt" + " is damaged: the numerator ends before its end record.");
    EXPECT_EQ(f.gain[0], expected[2]);  // the rows of the last evaluation stay
}
