#include <gtest/gtest.h>

#include <cmath>

#include "platform/ImageCanvas.h"
#include "tests/viewer/DrawLog.h"
#include "tests/viewer/ViewFixtures.h"
#include "viewer/plots/PlotPen.h"

namespace {

constexpr int W = 700, H = 480;  // frame 50, 30, 680, 430

// Whether pixel i of a dotted line (3 on, 3 off) is set.
bool DotOn(int i) { return i % 6 < 3; }

std::vector<std::string> Strings(std::initializer_list<const char*> texts) { return {texts.begin(), texts.end()}; }

// A plot without its curve, so that only axes and grids are drawn.
FDT AxesOf(int kind, double xs, double xe)
{
    FDT f = PlotOf(kind, 0, -60, -33, xs, xe);
    for (auto& flags : f.samples.invalid)
        flags[0] = 1;
    return f;
}

// A row of the Y grid, whose dashes cross every vertical line.
bool OnGridRow(const FDT& f, int y)
{
    for (double v : YGridValues(RoundYAxis(f.samples.dataMax, f.samples.dataMin, false)))
        if (f.ValueToY(v) == y)
            return true;
    return false;
}

// A log whose text is half as wide as its font is high.
struct SizedLog : DrawLog {
    TSize TextExtent(const std::string& text) override
    {
        return {static_cast<int>(text.size()) * std::abs(font.Height) / 2, std::abs(font.Height)};
    }
    int Width(const Text& t) const { return static_cast<int>(t.text.size()) * std::abs(t.font.Height) / 2; }
};

}  // namespace

TEST(PlotDraw, FrameTitleAndAxisLabelsFollowTheCanvasSize)
{
    for (auto [w, h] : {std::pair{W, H}, std::pair{500, 300}, std::pair{1400, 960}}) {
        SCOPED_TRACE(w);
        FDT f = PlotOf(View::Gain, 0, -60, -33);
        ImageCanvas image(w, h);
        f.Draw(image, w, h);
        EXPECT_EQ(f.frame.left, 50);
        EXPECT_EQ(f.frame.top, 30);
        EXPECT_EQ(f.frame.right, w - 20);
        EXPECT_EQ(f.frame.bottom, h - 50);
        for (auto [x, y] : {std::pair{50, h / 3}, std::pair{w - 20, h / 3}, std::pair{w / 3 + 2, 30},
                            std::pair{w / 3 + 2, h - 50}, std::pair{50, 30}, std::pair{w - 20, h - 50}})
            EXPECT_EQ(image.PixelAt(x, y), clBlack) << x << "," << y;
        EXPECT_EQ(image.PixelAt(49, h / 3), clWhite);
        EXPECT_EQ(image.PixelAt(w - 19, h / 3), clWhite);
        DrawLog log;
        f.Draw(log, w, h);
        const DrawLog::Text* title = log.Find("Gain (dB)");
        ASSERT_TRUE(title);
        EXPECT_EQ(title->x, (w - 20 + 50) / 2);
        EXPECT_EQ(title->y, 20);
        EXPECT_EQ(title->align, TextAlign::Center | TextAlign::Baseline);
        const DrawLog::Text* xLabel = log.Find("frequency (Hz)");
        ASSERT_TRUE(xLabel);
        EXPECT_EQ(xLabel->y, h - 50 + 20);
        EXPECT_EQ(xLabel->align, TextAlign::Center | TextAlign::Top);
    }
}

// Labels wider than the margin of 50 pixels ("0.0001875", "-1.5e+10") are
// drawn in a smaller font that fits it; the other texts keep the font.
TEST(PlotDraw, WideLeftLabelsFitTheMargin)
{
    FDT delay = PlotOf(View::Delay, 0.00025, 0, 0.0001);
    FDT map = PlotOf(View::PoleZero, 0, 0, 0);
    map.poleCount[0] = 1;
    map.poles[kMaxCurves] = Complex(-1e10, 1.5e10);
    for (FDT* f : {&delay, &map}) {
        SizedLog log;
        TFont font;
        font.Height = -12;
        log.SetFont(font);
        f->Draw(log, W, H);
        int left = 0;
        for (const DrawLog::Text& t : log.texts) {
            if (t.x != 48 && t.x != 47)
                continue;
            ++left;
            EXPECT_LE(static_cast<int>(t.text.size()) * std::abs(t.font.Height) / 2, t.x) << t.text;
            EXPECT_GE(std::abs(t.font.Height), 7);
        }
        EXPECT_GT(left, 3);
        EXPECT_EQ(log.font.Height, -12);
        const DrawLog::Text* title = log.Find(f == &delay ? "Time Delay (sec)" : "Poles and Zeros");
        ASSERT_TRUE(title);
        EXPECT_EQ(title->font.Height, -12);
    }
}

// A narrow plot keeps its axis labels apart and its legend of six curves
// on the canvas.
TEST(PlotDraw, ANarrowPlotKeepsLabelsApartAndTheLegendInside)
{
    const int w = 335, h = 300;
    FDT plot = PlotOf(View::Gain, 50, -75, 0, 1000, 1e10, 6);
    FDT map = PlotOf(View::PoleZero, 0, 0, 0, 1, 10, 6);
    map.poleCount[0] = 1;
    map.poles[kMaxCurves] = Complex(-2e10, 1.5e10);
    for (FDT* f : {&plot, &map}) {
        for (int c = 0; c < 6; ++c)
            f->curveValues[c] = 500.0 * (c + 1);
        SizedLog log;
        TFont font;
        font.Height = -12;
        log.SetFont(font);
        f->Draw(log, w, h);
        std::vector<const DrawLog::Text*> below;
        for (const DrawLog::Text& t : log.texts)
            if (t.y == f->frame.bottom + 6 || t.y == f->frame.bottom + 2)
                below.push_back(&t);
        ASSERT_GT(below.size(), 2u);
        for (std::size_t i = 1; i < below.size(); ++i)
            EXPECT_GT(below[i]->x - log.Width(*below[i]) / 2, below[i - 1]->x + log.Width(*below[i - 1]) / 2)
                << below[i - 1]->text << " " << below[i]->text;
        std::vector<std::string> legend = log.TextsAt(h - 16);
        ASSERT_EQ(legend.size(), 6u);
        const DrawLog::Text& last = log.texts.back();
        EXPECT_EQ(last.text, legend.back());
        EXPECT_LE(last.x + log.Width(last), w);
    }
}

TEST(PlotDraw, SixtyDecibelsInSixIntervalsOfDottedRows)
{
    FDT f = PlotOf(View::Gain, 0, -60, -33);
    DrawLog log;
    f.Draw(log, W, H);
    std::vector<std::string> labels;
    for (const DrawLog::Text& t : log.texts)
        if (t.x == 47) {
            EXPECT_EQ(t.align, TextAlign::Right | TextAlign::Baseline);
            EXPECT_EQ(t.y, f.ValueToY(std::stod(t.text)));
            labels.push_back(t.text);
        }
    EXPECT_EQ(labels, Strings({"-60", "-50", "-40", "-30", "-20", "-10", "0"}));
    EXPECT_EQ(f.ValueToY(0), 30);
    EXPECT_EQ(f.ValueToY(-60), 430);

    ImageCanvas image(W, H);
    f.Draw(image, W, H);
    const int y = f.ValueToY(-50);  // 363
    EXPECT_EQ(y, 363);
    for (int x = 51; x < 680; ++x)
        EXPECT_EQ(image.PixelAt(x, y), x % 5 == 0 && x >= 55 && x <= 675 ? clBtnShadow : clWhite) << x;
}

// Steps of 0.00625 from -0.0375 add up to a rounding above zero, not to
// zero: that row is still labelled 0.
TEST(PlotDraw, TheGridRowAtZeroReadsZero)
{
    FDT f = PlotOf(View::Gain, 0, -0.0375, -0.01);
    DrawLog log;
    f.Draw(log, W, H);
    EXPECT_EQ(log.TextsInColumn(47), Strings({"-0.0375", "-0.03125", "-0.025", "-0.01875", "-0.0125", "-0.00625", "0"}));
}

// A nearly flat gain (52.477 dB falling by 3e-5 dB) and a narrow linear
// interval: six digits would write the same label on every line, so the
// labels get the digits that tell them apart, each within a pixel of its line.
TEST(PlotDraw, LabelsOfANarrowRangeTellTheLinesApart)
{
    FDT gain = PlotOf(View::Gain, 52.47703, 52.477, 52.477);
    DrawLog log;
    gain.Draw(log, W, H);
    const std::vector<std::string> rows = log.TextsInColumn(47);
    ASSERT_GE(rows.size(), 3u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_NEAR(log.Find(rows[i])->y, gain.ValueToY(std::stod(rows[i])), 1) << rows[i];
        if (i > 0) {
            EXPECT_NE(rows[i], rows[i - 1]);
        }
    }

    FDT lin = AxesOf(View::Gain, 1000, 1000.004);
    lin.xLinear = true;
    DrawLog linLog;
    lin.Draw(linLog, W, H);
    EXPECT_EQ(linLog.TextsAt(436), Strings({"1000", "1000.001", "1000.002", "1000.003", "1000.004"}));
}

// Six significant digits where they put each label on its line, as sprintf
// "%g" writes them; more where they do not.
TEST(PlotDraw, AxisLabelsHaveSixDigitsOrTheDigitsThatPlaceThem)
{
    EXPECT_EQ(AxisLabels({-0.5, -0.0, 0.5, 1.5e10}), Strings({"-0.5", "0", "0.5", "1.5e+10"}));
    EXPECT_EQ(AxisLabels({0.1, 0.1}), Strings({"0.1", "0.1"}));
    EXPECT_EQ(AxisLabels({1234567, 1234568}), Strings({"1234567", "1234568"}));
    EXPECT_EQ(AxisLabels({52.47700, 52.47701, 52.47702}), Strings({"52.477", "52.47701", "52.47702"}));
}

TEST(PlotDraw, PhaseStepsOfFortyFiveAndNinetyDegrees)
{
    struct Case {
        double min;
        std::vector<std::string> labels;
    };
    for (const Case& c : {Case{-200, Strings({"-225", "-180", "-135", "-90", "-45", "0"})},
                          Case{-700, Strings({"-720", "-630", "-540", "-450", "-360", "-270", "-180", "-90", "0"})}}) {
        FDT f = PlotOf(View::Phase, 0, c.min, -100);
        DrawLog log;
        f.Draw(log, W, H);
        std::vector<std::string> labels;
        for (const DrawLog::Text& t : log.texts)
            if (t.x == 47)
                labels.push_back(t.text);
        EXPECT_EQ(labels, c.labels);
        EXPECT_TRUE(log.Find("Phase (deg)"));
    }
}

TEST(PlotDraw, LogarithmicAxisOverManyDecadesLabelsTheDecadesOnly)
{
    FDT f = AxesOf(View::Gain, 1, 1e6);
    f.hzUnits = false;
    f.wStart = 1;
    f.wEnd = 1e6;
    DrawLog log;
    f.Draw(log, W, H);
    EXPECT_EQ(log.TextsAt(436), Strings({"10", "100", "1000", "10000", "100000"}));

    ImageCanvas image(W, H);
    f.Draw(image, W, H);
    const int decade = 50 + 630 * 2 / 6;  // 100 rad/s
    for (int y = 31; y < 425; ++y) {
        if (OnGridRow(f, y))
            continue;
        EXPECT_EQ(image.PixelAt(decade, y), DotOn(y - 30) ? clBtnShadow : clWhite) << y;
    }
    const int two = static_cast<int>(50 + std::log10(2.0) * 630 / 6);  // a tick only
    for (int y = 425; y < 430; ++y)
        EXPECT_EQ(image.PixelAt(two, y), DotOn(y - 425) ? clBtnShadow : clWhite) << y;
    EXPECT_EQ(image.PixelAt(two, 300), clWhite);
}

TEST(PlotDraw, LogarithmicAxisOverFewDecadesLabelsEveryOtherLine)
{
    FDT f = AxesOf(View::Gain, 1, 50);
    DrawLog log;
    f.Draw(log, W, H);
    EXPECT_EQ(log.TextsAt(436), Strings({"2", "4", "6", "8", "10", "20", "40"}));

    // Each line runs up from its tick: the tick's pattern, then the line's
    // from the same pixel upward.
    ImageCanvas image(W, H);
    f.Draw(image, W, H);
    const int three = static_cast<int>(std::log10(3.0) * 630 / std::log10(50.0) + 50);
    for (int y = 31; y < 430; ++y) {
        if (OnGridRow(f, y))
            continue;
        EXPECT_EQ(image.PixelAt(three, y), DotOn(std::abs(425 - y)) ? clBtnShadow : clWhite) << y;
    }
}

TEST(PlotDraw, NarrowLogarithmicAxisDrawsNineLines)
{
    FDT f = AxesOf(View::Gain, 10, 15);
    DrawLog log;
    f.Draw(log, W, H);
    EXPECT_EQ(log.TextsAt(436), Strings({"10.5", "11.5", "12.5", "13.5", "14.5"}));
    int lines = 0;
    for (const DrawLog::Stroke& s : log.strokes)
        if (s.x1 == s.x2 && s.y1 == 425 && s.y2 < 425 && s.pen == clBtnShadow && s.y1 - s.y2 <= 3)
            ++lines;  // the first dash of each line
    EXPECT_EQ(lines, 9);
}

TEST(PlotDraw, LinearAndTimeAxes)
{
    FDT lin = AxesOf(View::Gain, 0, 10);
    lin.xLinear = true;
    DrawLog log;
    lin.Draw(log, W, H);
    EXPECT_EQ(log.TextsAt(436), Strings({"0", "2.5", "5", "7.5", "10"}));

    FDT step = AxesOf(View::Step, 0, 0);
    step.endTime = 5;
    DrawLog timeLog;
    step.Draw(timeLog, W, H);
    EXPECT_EQ(timeLog.TextsAt(436), Strings({"0", "1", "2", "3", "4"}));
    EXPECT_EQ(timeLog.TextsAt(450), Strings({"Time (sec)"}));
    EXPECT_TRUE(timeLog.Find("Step Response"));
    ImageCanvas image(W, H);
    step.Draw(image, W, H);
    const int x = 50 + 630 / 5;  // t = 1
    for (int y = 31; y < 430; ++y) {
        if (OnGridRow(step, y))
            continue;
        EXPECT_EQ(image.PixelAt(x, y), DotOn(y - 30) ? clBtnFace : clWhite) << y;
    }
}

TEST(PlotDraw, AnInvalidSampleLeavesAGap)
{
    FDT f = PlotOf(View::Gain, 0, -60, -33);
    f.samples.invalid[100][0] = 1;
    ImageCanvas image(W, H);
    f.Draw(image, W, H);
    const int y = f.ValueToY(-33);
    ASSERT_EQ(y, 250);
    // Samples 98, 99, 101 and 102 lie at x 358, 361, 368 and 371.
    ASSERT_EQ(f.SampleToX(99), 361);
    ASSERT_EQ(f.SampleToX(101), 368);
    EXPECT_EQ(image.PixelAt(360, y), clBlue);
    for (int x = 361; x < 368; ++x)
        EXPECT_EQ(image.PixelAt(x, y), clWhite) << x;
    EXPECT_EQ(image.PixelAt(368, y), clBlue);
    EXPECT_EQ(image.PixelAt(370, y), clBlue);

    // The curve resumes with a move, not a line.
    DrawLog log;
    f.Draw(log, W, H);
    int resumed = 0;
    for (const DrawLog::Point& m : log.moves)
        resumed += m.x == 368 && m.y == y;
    EXPECT_EQ(resumed, 1);
    for (const DrawLog::Stroke& s : log.strokes)
        EXPECT_FALSE(s.pen == clBlue && s.x1 < 365 && s.x2 > 365);
}

TEST(PlotDraw, FirstSampleMustLieInsideTheFrame)
{
    // All samples on the top line: later ones may lie there, the first not.
    FDT f = PlotOf(View::Gain, 0, -60, 0);
    DrawLog log;
    f.Draw(log, W, H);
    std::vector<DrawLog::Stroke> blue;
    for (const DrawLog::Stroke& s : log.strokes)
        if (s.pen == clBlue)
            blue.push_back(s);
    ASSERT_FALSE(blue.empty());
    EXPECT_EQ(blue.front().x1, f.SampleToX(1));
    EXPECT_EQ(blue.back().x2, f.SampleToX(200));
}

TEST(PlotDraw, LegendOfASweepInCurveColours)
{
    TempFolder dir;
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(WriteLowPassSweep(dir), error)) << error;
    f.SetViewKind(View::Gain);
    ASSERT_TRUE(f.ComputeGain(error)) << error;
    DrawLog log;
    f.Draw(log, W, H);
    std::vector<const DrawLog::Text*> legend;
    for (const DrawLog::Text& t : log.texts)
        if (t.y == H - 16)
            legend.push_back(&t);
    ASSERT_EQ(legend.size(), 3u);
    const char* texts[] = {"R = 1000", "R = 2000", "R = 5000"};
    const TColor colours[] = {clBlue, clRed, clGreen};
    int x = 10;
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(legend[c]->text, texts[c]);
        EXPECT_EQ(legend[c]->x, x);
        EXPECT_EQ(legend[c]->font.Color, colours[c]);
        EXPECT_EQ(legend[c]->align, TextAlign::Left | TextAlign::Top);
        x += 6 * 8 + 20;
    }
    // The canvas font comes back as it was, so the next paint's labels are black.
    EXPECT_EQ(log.Font().Color, clBlack);

    ImageCanvas image(W, H);
    f.Draw(image, W, H);
    int colouredPixels[3] = {};
    for (int yy = 31; yy < 430; ++yy)
        for (int c = 0; c < 3; ++c)
            colouredPixels[c] += image.PixelAt(400, yy) == colours[c];
    for (int c = 0; c < 3; ++c)
        EXPECT_GT(colouredPixels[c], 0) << c;

    FDT single = PlotOf(View::Gain, 0, -60, -33);
    DrawLog alone;
    single.Draw(alone, W, H);
    EXPECT_TRUE(alone.TextsAt(H - 16).empty());
}

TEST(PlotDraw, TitlesOfEveryPlotView)
{
    struct Case {
        int kind;
        bool yLinear;
        const char* title;
    };
    for (const Case& c : {Case{View::Gain, false, "Gain (dB)"}, Case{View::Gain, true, "Amplitude"},
                          Case{View::Phase, false, "Phase (deg)"}, Case{View::Delay, false, "Time Delay (sec)"},
                          Case{View::Step, false, "Step Response"}, Case{View::Impulse, false, "Impulse Response"},
                          Case{View::Loss, false, "Loss (dB)"}, Case{View::Loss, true, "Loss"}}) {
        FDT f = PlotOf(c.kind, 1, 0, 0.5);
        f.yLinear = c.yLinear;
        DrawLog log;
        f.Draw(log, W, H);
        EXPECT_EQ(log.TextsAt(20), Strings({c.title})) << c.kind;
    }
    // The Symbolic view is the memo: nothing is drawn.
    FDT symbolic = PlotOf(View::Symbolic, 1, 0, 0.5);
    DrawLog log;
    symbolic.Draw(log, W, H);
    EXPECT_TRUE(log.texts.empty() && log.strokes.empty() && log.boxes.empty());
}
