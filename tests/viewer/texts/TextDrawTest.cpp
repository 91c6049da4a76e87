#include <gtest/gtest.h>

#include "tests/viewer/DrawLog.h"
#include "tests/viewer/ViewFixtures.h"
#include "viewer/model/Messages.h"
#include "viewer/plots/PlotPen.h"

namespace {

bool HasNonNumber(const DrawLog& log)
{
    for (const DrawLog::Text& t : log.texts)
        for (const char* word : {"inf", "nan", "INF", "NAN"})
            if (t.text.find(word) != std::string::npos)
                return true;
    return false;
}

}  // namespace

TEST(TextDraw, NumericFractionInPointSizes)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {2}, {1, 1});  // 2 / (s + 1)
    f.SetViewKind(View::Numeric);
    DrawLog log;
    TFont font;
    font.Height = -12;
    log.SetFont(font);
    f.Draw(log, 700, 480);
    ASSERT_GE(log.texts.size(), 4u);
    const DrawLog::Text& gain = log.texts[0];
    EXPECT_EQ(gain.text, "2");
    EXPECT_EQ(gain.x, 6);
    EXPECT_EQ(gain.y, 4 * 12);
    EXPECT_EQ(gain.font.Height, -13);  // 10 points at 96 pixels per inch
    const DrawLog::Text* s = log.Find(" s");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->font.Weight, 700);
    EXPECT_EQ(s->y, 5 * 12);
    ASSERT_FALSE(log.strokes.empty());
    EXPECT_EQ(log.strokes.back().y1, 4 * 12 + 12 / 3);  // the fraction bar
    EXPECT_EQ(log.Font().Height, -12);  // the canvas font is given back

    // A printer at 600 pixels per inch takes the same sizes in its pixels.
    DrawLog printer;
    f.Draw(printer, 4000, 3000, 600);
    EXPECT_EQ(printer.texts[0].font.Height, -83);
}

TEST(TextDraw, PhasorOfAFiniteValue)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {2}, {1, 1});
    f.SetViewKind(View::Phasor);
    f.fStart = 1 / (2 * kPi);
    f.wStart = 1;
    std::string error;
    ASSERT_TRUE(f.PrepareNumeric(error)) << error;
    DrawLog log;
    f.Draw(log, 700, 480);
    EXPECT_EQ(log.TextsAt(10), (std::vector<std::string>{"frequency = 0.15915 Hz = 1 rad/s"}));
    EXPECT_EQ(log.TextsAt(50), (std::vector<std::string>{"1 - j 1  =  1.4142  arg(-45\xB0)"}));
    EXPECT_EQ(log.Find("1 - j 1  =  1.4142  arg(-45\xB0)")->font.Height, -16);
}

TEST(TextDraw, PoleOnTheImaginaryAxisShowsAMessage)
{
    // 1 / s at 0 Hz: the denominator vanishes.
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {1}, {0, 1});
    f.SetViewKind(View::Phasor);
    std::string error;
    ASSERT_TRUE(f.PrepareNumeric(error)) << error;
    EXPECT_FALSE(f.PhasorValid());
    DrawLog log;
    f.Draw(log, 700, 480);
    EXPECT_EQ(log.TextsAt(50), (std::vector<std::string>{Msg::NoFiniteValue}));
    EXPECT_FALSE(HasNonNumber(log));
}

TEST(TextDraw, NonFiniteCoefficientsShowAMessage)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {1}, {1, 1});
    f.SetViewKind(View::Numeric);
    f.gain[0] = std::nan("");
    DrawLog log;
    f.Draw(log, 700, 480);
    ASSERT_EQ(log.texts.size(), 1u);
    EXPECT_EQ(log.texts[0].text, Msg::NotFiniteCoefficients);
    EXPECT_FALSE(HasNonNumber(log));
}
