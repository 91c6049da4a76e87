#include <gtest/gtest.h>

#include "platform/ImageCanvas.h"
#include "tests/viewer/DrawLog.h"
#include "tests/viewer/ViewFixtures.h"

namespace {

constexpr int W = 700, H = 480;

int NonWhitePixels(const ImageCanvas& image, int x1, int y1, int x2, int y2)
{
    int count = 0;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            count += image.PixelAt(x, y) != clWhite;
    return count;
}

}  // namespace

// Every view of a single curve and of a three-curve sweep, as the window
// draws it: a frame where there is a plot, a legend where there are curves.
TEST(ViewRender, EveryViewOfOneAndThreeCurves)
{
    for (bool sweep : {false, true}) {
        TempFolder dir;
        FakeHost host;
        ResultWindow window(host);
        window.OpenFdt(sweep ? WriteLowPassSweep(dir) : WriteLowPass(dir), Remembered("10", "10000", "0.01"));
        for (int kind : {View::Gain, View::Loss, View::Phase, View::Delay, View::PoleZero, View::Step,
                         View::Impulse, View::Numeric, View::Phasor}) {
            SCOPED_TRACE(std::to_string(kind) + (sweep ? " sweep" : ""));
            window.ShowView(kind);
            ASSERT_TRUE(host.errors.empty()) << host.errors[0];
            ImageCanvas image(W, H);
            ASSERT_TRUE(window.Paint(image, W, H));
            DrawLog log;
            ASSERT_TRUE(window.Paint(log, W, H));
            const bool text = kind == View::Numeric || kind == View::Phasor;
            if (text) {
                EXPECT_GT(NonWhitePixels(image, 0, 0, W, 120), 50);
                continue;
            }
            // The map's frame is a rectangle without its right and bottom edge.
            const int right = kind == View::PoleZero ? 679 : 680, bottom = kind == View::PoleZero ? 429 : 430;
            for (auto [x, y] : {std::pair{50, 30}, std::pair{right, 30}, std::pair{50, bottom}, std::pair{right, bottom}})
                EXPECT_EQ(image.PixelAt(x, y), clBlack);
            // Some curve pixels inside the frame, in the first curve's colour.
            int blue = 0;
            for (int y = 31; y < 430; ++y)
                for (int x = 51; x < 680; x += 3)
                    blue += image.PixelAt(x, y) == clBlue;
            EXPECT_GT(blue, 5);
            EXPECT_EQ(log.TextsAt(H - 16).size(), sweep ? 3u : 0u);
        }
    }
}

// The delay of the amplifier example lies below a microsecond: its curve
// runs over the height of the plot instead of along its bottom.
TEST(ViewRender, ADelayOfNanosecondsFillsThePlot)
{
    TempFolder dir;
    for (const char* ext : {".fdt", ".par"})
        WriteBytes(dir / (std::string("ce") + ext),
                   ReadBytes(std::string(TERVOX_SOURCE_DIR) + "/examples/ce_amplifier" + ext));
    FakeHost host;
    ResultWindow window(host);
    window.OpenFdt(dir / "ce.fdt", Remembered("1000", "1e10", "1e-6"));
    window.ShowView(View::Delay);
    ASSERT_TRUE(host.errors.empty()) << host.errors[0];
    DrawLog log;
    ASSERT_TRUE(window.Paint(log, W, H));
    int top = H, bottom = 0;
    for (const DrawLog::Stroke& s : log.strokes)
        if (s.pen == clBlue) {
            top = std::min({top, s.y1, s.y2});
            bottom = std::max({bottom, s.y1, s.y2});
        }
    EXPECT_GT(bottom - top, (430 - 30) / 2);
    EXPECT_LT(window.Model().samples.axisMax, 1e-6);
}

// A plot area shrunk below its margins still draws every view of six curves,
// and a print on a large page as well.
TEST(ViewRender, TinyAndLargeAreasOfSixCurves)
{
    TempFolder dir;
    FakeHost host;
    ResultWindow window(host);
    window.OpenFdt(WriteLowPass(dir, {"10 10000 0.01", "0", "1000 2000 5000 1e4 2e4 5e4"}), Remembered("10", "1e4", "0.01"));
    for (int kind : {View::Gain, View::Loss, View::Phase, View::Delay, View::PoleZero, View::Step, View::Impulse,
                     View::Numeric, View::Phasor}) {
        window.ShowView(kind);
        ASSERT_TRUE(host.errors.empty()) << host.errors[0];
        for (auto [w, h] : {std::pair{1, 1}, std::pair{30, 30}, std::pair{80, 60}, std::pair{4000, 3000}}) {
            SCOPED_TRACE(std::to_string(kind) + " " + std::to_string(w));
            ImageCanvas image(w, h);
            EXPECT_TRUE(window.Paint(image, w, h));
            window.MouseMove(image, w / 2, h / 2, false, true);
        }
    }
}
