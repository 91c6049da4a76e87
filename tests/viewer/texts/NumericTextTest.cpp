#include <gtest/gtest.h>

#include "tests/support/EngineRun.h"
#include "tests/viewer/Support.h"
#include "viewer/texts/NumericText.h"

namespace {

TextPiece Number(const char* text) { return {text, false, false, false}; }
TextPiece S(const char* text) { return {text, true, false, false}; }
TextPiece Power(const char* text) { return {text, true, true, false}; }
TextPiece Gap(TextPiece piece)
{
    piece.gapAfter = true;
    return piece;
}

}  // namespace

TEST(NumericText, RowsOfTheFraction)
{
    struct Case {
        const char* what;
        std::vector<double> num, den;
        const char* gain;
        std::vector<TextPiece> numerator, denominator;
    };
    const std::vector<Case> cases = {
        // (6 + 2 s^2) / (1 - s + s^2 + 2 s^3) = 1 (s^2 + 3) / (s^3 + 0.5 s^2 - 0.5 s + 0.5)
        {"monic rows with gaps",
         {6, 0, 2},
         {1, -1, 1, 2},
         "1",
         {S(" s"), Gap(Power("2")), Gap(Number(" +3"))},
         {S(" s"), Gap(Power("3")), Number(" +0.5"), S(" s"), Gap(Power("2")), Number("-0.5"), Gap(S(" s")),
          Gap(Number(" +0.5"))}},
        // Unit coefficients inside a row print " +s"; -1 prints its number.
        {"unit coefficients",
         {3, 3, 3},
         {1, -1, 1},
         "3",
         {S(" s"), Gap(Power("2")), Gap(S(" +s")), Gap(Number(" +1"))},
         {S(" s"), Gap(Power("2")), Number("-1"), Gap(S(" s")), Gap(Number(" +1"))}},
        {"five digits", {1}, {3, 7}, "0.14286", {Gap(Number(" +1"))}, {Gap(S(" s")), Gap(Number(" +0.42857"))}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        FDT f;
        LoadRational(f, dir, c.num, c.den);
        NumericText t = NumericTextOf(f);
        EXPECT_FALSE(t.constant);
        EXPECT_EQ(t.gain, c.gain);
        EXPECT_EQ(t.numerator, c.numerator);
        EXPECT_EQ(t.denominator, c.denominator);
    }
}

TEST(NumericText, ConstantFunctionsShowOneNumber)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {6}, {4});
    NumericText t = NumericTextOf(f);
    EXPECT_TRUE(t.constant);
    EXPECT_EQ(t.gain, "1.5");
    EXPECT_TRUE(t.numerator.empty());
    // A numerator that is zero for the given values: 0, not a fraction over nothing.
    std::vector<FileTerm> num = {{1.0, 0, {0}}}, den = {{1.0, 0, {}}, {1.0, 1, {}}};
    WriteFdtFile(dir / "z.fdt", num, den);
    WriteBytes(dir / "z.par", ParText("R1 ", "0 ", num, den));
    FDT g;
    std::string error;
    ASSERT_TRUE(g.LoadParFile(dir / "z.fdt", error)) << error;
    t = NumericTextOf(g);
    EXPECT_TRUE(t.constant);
    EXPECT_EQ(t.gain, "0");
    // Nothing evaluated: nothing to show.
    t = NumericTextOf(FDT());
    EXPECT_EQ(t.gain, "");
    EXPECT_FALSE(t.constant);
}

TEST(NumericText, AgreesWithTheEvaluatedCoefficients)
{
    // R1 in series, L1 parallel C1: V(2) = s L1 / (R1 + s L1 + s^2 L1 C1 R1)
    // = 1/(C1 R1) s / (s^2 + s/(C1 R1) + 1/(L1 C1)).
    TempFolder dir;
    WriteBytes(dir / "t.crc", "t\r\nV1 1 0 1 1\r\nR1 1 2 1000 0\r\nC1 2 0 2e-6 0\r\nL1 2 0 5e-3 0\r\n.OUT 2\r\n");
    std::string error;
    ASSERT_TRUE(RunEngineOn(dir / "t.crc", error)) << error;
    FDT f;
    ASSERT_TRUE(f.LoadParFile(dir / "t.fdt", error)) << error;
    NumericText t = NumericTextOf(f);
    EXPECT_EQ(t.gain, "500");
    EXPECT_EQ(t.numerator, (std::vector<TextPiece>{Gap(S(" s"))}));
    EXPECT_EQ(t.denominator, (std::vector<TextPiece>{S(" s"), Gap(Power("2")), Number(" +500"), Gap(S(" s")),
                                                     Gap(Number(" +1e+08"))}));
    EXPECT_NEAR(f.denominatorRows[1][0], 1 / (2e-6 * 1000), 1e-9);
    EXPECT_NEAR(f.denominatorRows[0][0], 1 / (5e-3 * 2e-6), 1e-3);
}

TEST(NumericText, FirstCurveOnly)
{
    TempFolder dir;
    std::vector<FileTerm> num = {{1.0, 0, {}}}, den = {{1.0, 0, {}}, {1.0, 1, {0, 1}}};
    WriteFdtFile(dir / "rc.fdt", num, den);
    WriteBytes(dir / "rc.par", ParText("R1 C1 ", "1000 1e-06 ", num, den, {"1 10 1", "1", "2e-6 5e-6 0 0 0 0 "}));
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(dir / "rc.fdt", error)) << error;
    ASSERT_EQ(f.curveCount, 2);
    NumericText t = NumericTextOf(f);
    EXPECT_EQ(t.gain, "500");
    EXPECT_EQ(t.denominator, (std::vector<TextPiece>{Gap(S(" s")), Gap(Number(" +500"))}));
}

TEST(NumericText, Layout)
{
    // 7 pixels a character at size 10, 5 at size 8, one more when bold.
    TextWidth width = [](const std::string& text, int size, bool bold) {
        return static_cast<int>(text.size()) * ((size == 10 ? 7 : 5) + (bold ? 1 : 0));
    };
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {1, 1, 1}, {1, -1, 1});
    NumericLayout l = LayoutNumeric(NumericTextOf(f), 16, 7, width);
    std::vector<PlacedText> expected = {
        {"1", 7, 64, 10, false},    {" s", 21, 48, 10, true}, {"2", 37, 40, 8, true},   {" +s", 50, 48, 10, true},
        {" +1", 81, 48, 10, false}, {" s", 21, 80, 10, true}, {"2", 37, 72, 8, true},   {"-1", 50, 80, 10, false},
        {" s", 64, 80, 10, true},   {" +1", 87, 80, 10, false},
    };
    EXPECT_EQ(l.texts, expected);
    EXPECT_TRUE(l.bar);
    EXPECT_EQ(l.barX1, 21);
    EXPECT_EQ(l.barX2, 115);
    EXPECT_EQ(l.barY, 69);

    FDT g;
    LoadRational(g, dir, {6}, {4});
    l = LayoutNumeric(NumericTextOf(g), 16, 7, width);
    EXPECT_EQ(l.texts, (std::vector<PlacedText>{{"1.5", 7, 64, 10, false}}));
    EXPECT_FALSE(l.bar);
}

TEST(PhasorText, ValueMagnitudeAndAngle)
{
    struct Case {
        Complex p;
        const char* value;
    };
    const std::vector<Case> cases = {
        {{1, 1}, "1 + j 1  =  1.4142  arg(45\xB0)"},
        {{3, -4}, "3 - j 4  =  5  arg(-53.13\xB0)"},
        {{-2, 0}, "-2 - j 0  =  2  arg(180\xB0)"},
        {{-2, -0.0}, "-2 - j 0  =  2  arg(180\xB0)"},
        {{0, 0}, "0 - j 0  =  0  arg(0\xB0)"},
        {{-0.0, 0}, "0 - j 0  =  0  arg(0\xB0)"},
        {{-0.0, -0.0}, "0 - j 0  =  0  arg(0\xB0)"},
        {{-1e-13, 5}, "0 + j 5  =  5  arg(90\xB0)"},
        // The angle and magnitude come from the value before its parts are rounded.
        {{2, 1e-13}, "2 - j 0  =  2  arg(2.8648e-12\xB0)"},
        {{1e-13, -1e-13}, "0 - j 0  =  0  arg(-45\xB0)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        FDT f;
        f.fStart = 1000;
        f.wStart = 1000 * kTwoPi;
        f.phasorResult = c.p;
        PhasorText t = PhasorTextOf(f);
        EXPECT_EQ(t.frequency, "frequency = 1000 Hz = 6283.2 rad/s");
        EXPECT_EQ(t.value, c.value);
    }
}

TEST(PhasorText, OfAnEvaluatedFunction)
{
    // 1 / (1 + s / 1000) at 1000 rad/s: 1 / (1 + j).
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {1}, {1, 1e-3});
    f.wStart = 1000;
    f.fStart = 1000 / kTwoPi;
    f.SetViewKind(View::Phasor);
    std::string error;
    ASSERT_TRUE(f.EvaluateCoefficients(error)) << error;
    PhasorText t = PhasorTextOf(f);
    EXPECT_EQ(t.frequency, "frequency = 159.15 Hz = 1000 rad/s");
    EXPECT_EQ(t.value, "0.5 - j 0.5  =  0.70711  arg(-45\xB0)");
}
