#include <gtest/gtest.h>

#include "platform/ImageCanvas.h"
#include "tests/viewer/DrawLog.h"
#include "tests/viewer/ViewFixtures.h"
#include "viewer/plots/PlotPen.h"

namespace {

constexpr int W = 700, H = 480;  // frame 50, 30, 680, 430; centre (365, 230)

// (s + 5) / (s^2 + 2 s + 101): poles at -1 +- 10j, a zero at -5.
void LoadMap(FDT& f, const TempFolder& dir)
{
    LoadRational(f, dir, {5, 1}, {101, 2, 1});
    f.wStart = 1;
    f.wEnd = 10;
    std::string error;
    ASSERT_TRUE(f.PreparePoleZero(error)) << error;
    f.SetViewKind(View::PoleZero);
}

}  // namespace

TEST(MapDraw, OneScaleOnBothAxesOfAWideMap)
{
    TempFolder dir;
    FDT f;
    LoadMap(f, dir);
    DrawLog log;
    f.Draw(log, W, H);
    PoleZeroMap map = f.ScalePoleZero();
    // Ten units are as long on the real axis as on the imaginary axis.
    EXPECT_NEAR(map.X(10) - map.X(0), map.Y(0) - map.Y(10), 1);
    EXPECT_NEAR(map.re / 315, map.im / 200, 1e-15);
    // Every root lies inside the frame.
    for (Complex r : {Complex(-1, 10), Complex(-1, -10), Complex(-5, 0)}) {
        EXPECT_GT(map.X(r.real()), 50);
        EXPECT_GT(map.Y(r.imag()), 30);
        EXPECT_LT(map.Y(r.imag()), 430);
    }
    EXPECT_TRUE(log.Find("Poles and Zeros"));
}

TEST(MapDraw, PositiveImaginaryValuesLieAboveTheRealAxis)
{
    TempFolder dir;
    FDT f;
    LoadMap(f, dir);
    DrawLog log;
    f.Draw(log, W, H);
    const int middle = (30 + 430) / 2;
    int above = 0, below = 0;
    for (const DrawLog::Text& t : log.texts) {
        if (t.align != (TextAlign::Right | TextAlign::Baseline) || t.x != 48)
            continue;
        double v = std::stod(t.text);
        EXPECT_NE(v, 0);
        EXPECT_EQ(v > 0, t.y < middle) << t.text;
        above += t.y < middle;
        below += t.y > middle;
    }
    EXPECT_GT(above, 0);
    EXPECT_EQ(above, below);

    ImageCanvas image(W, H);
    f.Draw(image, W, H);
    PoleZeroMap map = f.ScalePoleZero();
    const int x = map.X(-1), y = map.Y(10);
    EXPECT_LT(y, middle);
    // The pole's cross: its vertical stroke and both diagonals in the curve colour.
    for (int d : {-4, -2, 2, 4})
        EXPECT_EQ(image.PixelAt(x, y + d), clBlue) << d;
    EXPECT_EQ(image.PixelAt(x + 3, y + 3), clBlue);
    EXPECT_EQ(image.PixelAt(x - 3, y + 3), clBlue);
    // The zero's circle, white inside.
    const int zx = map.X(-5), zy = map.Y(0);
    EXPECT_EQ(image.PixelAt(zx, zy - 5), clBlue);
    EXPECT_EQ(image.PixelAt(zx, zy), clWhite);
    // The axes cross at the centre of the frame.
    EXPECT_EQ(image.PixelAt(365, 100), clBtnShadow);
    EXPECT_EQ(image.PixelAt(600, middle), clBtnShadow);
}

TEST(MapDraw, SweepHasALegendAndOneMarkerPerCurve)
{
    TempFolder dir;
    FDT f;
    std::string error;
    ASSERT_TRUE(f.LoadParFile(WriteLowPassSweep(dir), error)) << error;
    ASSERT_TRUE(f.PreparePoleZero(error)) << error;
    f.SetViewKind(View::PoleZero);
    DrawLog log;
    f.Draw(log, W, H);
    EXPECT_EQ(log.TextsAt(H - 16), (std::vector<std::string>{"R = 1000", "R = 2000", "R = 5000"}));
    // Poles at -1000, -500 and -200: four strokes each, in the three colours.
    for (TColor colour : {clBlue, clRed, clGreen}) {
        int strokes = 0;
        for (const DrawLog::Stroke& s : log.strokes)
            strokes += s.pen == colour;
        EXPECT_EQ(strokes, 4);
    }
}
