#include <gtest/gtest.h>

#include "formats/NumberText.h"
#include "platform/ImageCanvas.h"
#include "tests/viewer/ViewFixtures.h"

namespace {

constexpr int W = 700, H = 480;  // frame 50, 30, 680, 430

// A result window on the sweep fixture (or its first curve only) with its
// plot area drawn.
struct Window {
    explicit Window(bool sweep, int kind = View::Gain) : image(W, H)
    {
        std::string path = sweep ? WriteLowPassSweep(dir) : WriteLowPass(dir);
        window.OpenFdt(path, Remembered());
        window.ShowView(kind);
        EXPECT_TRUE(window.Paint(image, W, H));
    }
    TempFolder dir;
    FakeHost host;
    ResultWindow window{host};
    ImageCanvas image;
};

}  // namespace

TEST(PlotMouse, SampleUnderTheMouse)
{
    FDT f;
    f.SetPlotFrame(W, H);
    EXPECT_EQ(SampleAt(f, 680), 200);  // the right edge
    EXPECT_EQ(SampleAt(f, 679), 200);
    EXPECT_EQ(SampleAt(f, 2000), 200);
    EXPECT_EQ(SampleAt(f, 51), 1);
    EXPECT_EQ(SampleAt(f, 300), 80);
    EXPECT_EQ(SampleAt(f, 0), 0);
    EXPECT_TRUE(InsideFrame(f, 51, 31));
    EXPECT_FALSE(InsideFrame(f, 50, 100));
    EXPECT_FALSE(InsideFrame(f, 100, 430));
}

TEST(PlotMouse, ZoomAppliesToFrequencyPlotsOnly)
{
    for (int kind = View::Gain; kind <= View::Loss; ++kind) {
        FDT f;
        f.viewKind = kind;
        f.SetPlotFrame(W, H);
        ImageCanvas image(W, H);
        PlotMouse mouse;
        PlotMouse::Moved moved = mouse.Move(f, image, 200, 200, true, true);
        bool zoomable = kind == View::Gain || kind == View::Phase || kind == View::Delay || kind == View::Loss;
        EXPECT_EQ(f.zoomed, zoomable) << kind;
        EXPECT_EQ(moved.cursor, zoomable ? MouseCursor::Cross : MouseCursor::UpArrow) << kind;
        mouse.Move(f, image, 200, 200, false, false);
        EXPECT_FALSE(f.zoomed);
    }
}

TEST(PlotMouse, BandReleasedOutsideTheFrameTakesTheFrameEdge)
{
    Window w(false);
    FDT& f = w.window.Model();
    const double oldMin = f.samples.dataMin, oldMax = f.samples.dataMax;
    const double sample16 = f.samples.x[16], sample200 = f.samples.x[200];
    const QImage plain = w.image.Image().copy();

    w.window.MouseMove(w.image, 100, 100, true, false);
    w.window.MouseDown(100, 100);
    w.window.MouseMove(w.image, 300, 300, true, false);
    EXPECT_NE(w.image.Image(), plain);
    EXPECT_EQ(w.image.PixelAt(201, 100), clRed);  // not-xor on white
    // Back to the anchor: the band is erased, the plot as it was.
    w.window.MouseMove(w.image, 100, 100, true, false);
    EXPECT_EQ(w.image.Image(), plain);
    w.window.MouseMove(w.image, 900, 900, true, false);
    const int repaints = w.host.repaints;
    w.window.MouseUp(2000, 2000);
    EXPECT_EQ(w.host.repaints, repaints + 1);  // computed and drawn again
    EXPECT_TRUE(f.zoomed);
    EXPECT_DOUBLE_EQ(f.fStart, sample16);
    EXPECT_DOUBLE_EQ(f.fEnd, sample200);  // sample 200 at the right edge
    EXPECT_DOUBLE_EQ(f.wEnd, sample200 * 2 * kPi);
    EXPECT_EQ(f.samples.dataMin, oldMin);  // the band's lower edge on the bottom
    EXPECT_DOUBLE_EQ(f.samples.dataMax, oldMin + (oldMax - oldMin) * (430 - 100) / 400.0);
    // The zoomed sweep keeps the band's range.
    EXPECT_EQ(f.GetViewKind(), View::Gain);
}

// A band one pixel wide holds no two samples: it changes nothing, where it
// would give a bad interval and leave the plot for the symbolic text.
TEST(PlotMouse, ABandOfOnePixelChangesNothing)
{
    Window w(false);
    FDT& f = w.window.Model();
    const double fStart = f.fStart, fEnd = f.fEnd, dataMin = f.samples.dataMin, dataMax = f.samples.dataMax;
    w.window.MouseMove(w.image, 300, 100, true, false);
    w.window.MouseDown(300, 100);
    w.window.MouseMove(w.image, 301, 300, true, false);
    w.window.MouseUp(301, 300);
    EXPECT_TRUE(w.host.errors.empty());
    EXPECT_EQ(f.GetViewKind(), View::Gain);
    EXPECT_EQ(f.fStart, fStart);
    EXPECT_EQ(f.fEnd, fEnd);
    EXPECT_EQ(f.samples.dataMin, dataMin);
    EXPECT_EQ(f.samples.dataMax, dataMax);
}

TEST(PlotMouse, CursorLineAndReadoutsOfOneCurve)
{
    Window w(false);
    const QImage plain = w.image.Image().copy();
    PlotMouse::Moved moved = w.window.MouseMove(w.image, 300, 200, false, true);
    EXPECT_EQ(moved.cursor, MouseCursor::UpArrow);
    EXPECT_TRUE(moved.readoutsChanged);
    EXPECT_NE(w.image.Image(), plain);
    const FDT& f = w.window.Model();
    const CursorReadouts& r = w.window.Readouts();
    EXPECT_EQ(r.texts[0], GcvtText(f.samples.x[80], 6));
    EXPECT_EQ(r.texts[1], GcvtText(f.samples.y[80][0], 6));
    EXPECT_EQ(r.texts[2], "");
    EXPECT_EQ(r.clientHeight, 55);
    // A second move erases the first line; leaving the frame erases the last.
    w.window.MouseMove(w.image, 400, 200, false, true);
    w.window.MouseMove(w.image, 20, 200, false, true);
    EXPECT_EQ(w.image.Image(), plain);
    for (const std::string& text : w.window.Readouts().texts)
        EXPECT_EQ(text, "");
    EXPECT_EQ(w.window.Readouts().clientHeight, 55);
}

TEST(PlotMouse, ReadoutsOfThreeCurves)
{
    Window w(true);
    w.window.MouseMove(w.image, 300, 200, false, true);
    const FDT& f = w.window.Model();
    const CursorReadouts& r = w.window.Readouts();
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(r.texts[c + 1], GcvtText(f.samples.y[80][c], 6));
    EXPECT_EQ(r.texts[4], "");
    EXPECT_EQ(r.clientHeight, 103);
}

TEST(PlotMouse, NoCursorLineOverLossOrWithoutTheCursorWindow)
{
    for (auto [kind, visible] : {std::pair{View::Loss, true}, std::pair{View::Gain, false},
                                 std::pair{View::PoleZero, true}}) {
        Window w(false, kind);
        const QImage plain = w.image.Image().copy();
        PlotMouse::Moved moved = w.window.MouseMove(w.image, 300, 200, false, visible);
        EXPECT_FALSE(moved.readoutsChanged) << kind;
        EXPECT_EQ(w.image.Image(), plain) << kind;
    }
}

TEST(PlotMouse, RepaintTakesTheCursorLineAway)
{
    // After a fresh drawing the next move must not "erase" a line that is
    // no longer there.
    Window w(false);
    w.window.MouseMove(w.image, 300, 200, false, true);
    ASSERT_TRUE(w.window.Paint(w.image, W, H));
    const QImage plain = w.image.Image().copy();
    w.window.MouseMove(w.image, 20, 200, false, true);
    EXPECT_EQ(w.image.Image(), plain);
}

// A cursor line that no longer belongs goes: the zoom button pressed, the
// cursor window hidden (at the next move, or at once when the window says so).
TEST(PlotMouse, ACursorLineGoesWithTheCursorWindow)
{
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        Window w(false);
        const QImage plain = w.image.Image().copy();
        w.window.MouseMove(w.image, 300, 200, false, true);
        ASSERT_NE(w.image.Image(), plain);
        if (way == 0)
            w.window.MouseMove(w.image, 310, 200, true, true);
        else if (way == 1)
            w.window.MouseMove(w.image, 310, 200, false, false);
        else
            w.window.CursorHidden(w.image);
        EXPECT_EQ(w.image.Image(), plain);
        w.window.CursorHidden(w.image);  // nothing is left to erase
        EXPECT_EQ(w.image.Image(), plain);
    }
}

TEST(PlotMouse, InvalidSampleReadsEmpty)
{
    FDT f = PlotOf(View::Gain, 0, -60, -33, 1, 1000, 2);
    f.samples.invalid[80][1] = 1;
    CursorReadouts r = ReadoutsAt(f, 80);
    EXPECT_EQ(r.texts[1], "-33");
    EXPECT_EQ(r.texts[2], "");
    EXPECT_EQ(r.clientHeight, 58 + 21);
}

// The impulse response of -(s + 1) / (s + 1) after its impulse is 0 through
// a negative gain: it reads as the zero of any other curve.
TEST(PlotMouse, AZeroSampleReadsZero)
{
    TempFolder dir;
    FDT f;
    LoadRational(f, dir, {-1, -1}, {1, 1});
    f.endTime = 1;
    std::string error;
    ASSERT_TRUE(f.ComputeTimeResponse(1, error)) << error;
    ASSERT_EQ(f.samples.y[100][0], 0.0);
    EXPECT_EQ(ReadoutsAt(f, 100).texts[1], "0");
}

TEST(PlotMouse, PrintingKeepsTheScreenFrame)
{
    Window w(false);
    ImageCanvas printer(1400, 960);
    w.window.PrintPlot(printer, 1400, 960, 192);
    EXPECT_EQ(printer.PixelAt(1380, 500), clBlack);  // drawn at the printer's size
    EXPECT_EQ(w.window.Model().frame.right, 680);
    EXPECT_EQ(w.window.Model().frame.bottom, 430);
    EXPECT_EQ(SampleAt(w.window.Model(), 679), 200);
}
