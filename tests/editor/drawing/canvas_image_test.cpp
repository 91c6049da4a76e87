// The image canvas: excluded edges, each pixel once, not-xor, colours, text.
#include "platform/ImageCanvas.h"
#include "platform/SymbolFont.h"

#include <gtest/gtest.h>

namespace {

int CountPixels(const ImageCanvas& canvas, TColor colour)
{
    int n = 0;
    for (int y = 0; y < canvas.Image().height(); ++y)
        for (int x = 0; x < canvas.Image().width(); ++x)
            n += canvas.PixelAt(x, y) == colour;
    return n;
}

TEST(ImageCanvas, LineExcludesItsEndPixel)
{
    ImageCanvas canvas(50, 50);
    canvas.MoveTo(10, 10);
    canvas.LineTo(20, 10);
    EXPECT_EQ(canvas.PixelAt(10, 10), clBlack);
    EXPECT_EQ(canvas.PixelAt(19, 10), clBlack);
    EXPECT_EQ(canvas.PixelAt(20, 10), clWhite);
    EXPECT_EQ(CountPixels(canvas, clBlack), 10);
    canvas.LineTo(20, 30);
    EXPECT_EQ(canvas.PixelAt(20, 10), clBlack);
    EXPECT_EQ(canvas.PixelAt(20, 30), clWhite);
}

TEST(ImageCanvas, RectangleExcludesRightAndBottomEdge)
{
    ImageCanvas canvas(50, 50);
    canvas.SetBrush(clYellow);
    canvas.Rectangle(10, 10, 15, 14);
    EXPECT_EQ(canvas.PixelAt(10, 10), clBlack);
    EXPECT_EQ(canvas.PixelAt(14, 13), clBlack);
    EXPECT_EQ(canvas.PixelAt(15, 13), clWhite);
    EXPECT_EQ(canvas.PixelAt(14, 14), clWhite);
    EXPECT_EQ(canvas.PixelAt(12, 12), clYellow);
    EXPECT_EQ(CountPixels(canvas, clBlack), 14);
    EXPECT_EQ(CountPixels(canvas, clYellow), 6);
}

TEST(ImageCanvas, EllipseFillsItsBoxWithoutTheEdges)
{
    ImageCanvas canvas(50, 50);
    canvas.SetBrush(clLime);
    canvas.Ellipse(10, 10, 31, 31);  // circle of radius 10 about (20, 20)
    EXPECT_EQ(canvas.PixelAt(10, 20), clBlack);
    EXPECT_EQ(canvas.PixelAt(30, 20), clBlack);
    EXPECT_EQ(canvas.PixelAt(20, 10), clBlack);
    EXPECT_EQ(canvas.PixelAt(20, 30), clBlack);
    EXPECT_EQ(canvas.PixelAt(31, 20), clWhite);
    EXPECT_EQ(canvas.PixelAt(20, 20), clLime);
    EXPECT_EQ(canvas.PixelAt(10, 10), clWhite);
}

TEST(ImageCanvas, ArcRunsCounterClockwise)
{
    ImageCanvas canvas(50, 50);
    // From the bottom radial to the top one, counter-clockwise: the right half.
    canvas.Arc(10, 10, 31, 31, 20, 40, 20, 0);
    EXPECT_EQ(canvas.PixelAt(30, 20), clBlack);
    EXPECT_EQ(canvas.PixelAt(10, 20), clWhite);
    ImageCanvas other(50, 50);
    other.Arc(10, 10, 31, 31, 20, 0, 20, 40);
    EXPECT_EQ(other.PixelAt(10, 20), clBlack);
    EXPECT_EQ(other.PixelAt(30, 20), clWhite);
}

TEST(ImageCanvas, NotXorTwiceRestoresAndWhiteBrushLeavesTheInside)
{
    ImageCanvas canvas(60, 60);
    canvas.SetPixel(20, 20, clSilver);
    canvas.SetPixel(25, 25, clRed);
    QImage before = canvas.Image().copy();
    canvas.SetPenMode(PenMode::NotXor);
    for (int pass = 0; pass < 2; ++pass) {
        canvas.SetPen(clBlack, 3);
        canvas.MoveTo(5, 5);
        canvas.LineTo(50, 40);
        canvas.SetPen(clBlack, 1);
        canvas.Rectangle(15, 15, 30, 30);
        canvas.Ellipse(10, 10, 40, 40);
        canvas.Arc(10, 10, 40, 40, 0, 0, 50, 50);
        if (pass == 0) {
            EXPECT_EQ(canvas.PixelAt(25, 25), clRed) << "a white brush leaves the inside";
            EXPECT_NE(canvas.Image(), before);
        }
    }
    EXPECT_EQ(canvas.Image(), before);
}

TEST(ImageCanvas, FrameworkColoursHaveTheirExactValues)
{
    struct Row {
        TColor colour;
        int r, g, b;
    };
    const Row rows[] = {{clGreen, 0, 128, 0},   {clLime, 0, 255, 0},     {clSilver, 192, 192, 192},
                        {clGray, 128, 128, 128}, {clMaroon, 128, 0, 0},  {clPurple, 128, 0, 128},
                        {clOlive, 128, 128, 0}, {clFuchsia, 255, 0, 255}, {clAqua, 0, 255, 255},
                        {clBlue, 0, 0, 255},    {clRed, 255, 0, 0},      {clYellow, 255, 255, 0}};
    for (const Row& row : rows) {
        ImageCanvas canvas(2, 2);
        canvas.SetPixel(1, 1, row.colour);
        QRgb p = canvas.Image().pixel(1, 1);
        EXPECT_EQ(qRed(p), row.r);
        EXPECT_EQ(qGreen(p), row.g);
        EXPECT_EQ(qBlue(p), row.b);
    }
}

TEST(ImageCanvas, DrawingOutsideTheImageIsClipped)
{
    ImageCanvas canvas(20, 20);
    canvas.MoveTo(-100000, -5);
    canvas.LineTo(100000, 5);
    canvas.Rectangle(-100000, -100000, 100000, 100000);
    canvas.Ellipse(-50, -50, 70, 70);
    canvas.Arc(-500, -500, 500, 500, 0, 0, 1, 1);
    canvas.SetPixel(-1, 3, clRed);
    canvas.SetPixel(20, 3, clRed);
    canvas.TextOut(-1000, 5000, "far");
    EXPECT_EQ(canvas.PixelAt(10, 10), clWhite);
}

TEST(ImageCanvas, TextAlignmentAndTransparency)
{
    TFont font;
    font.Height = -10;
    font.Color = clBlue;
    ImageCanvas left(100, 40), right(100, 40);
    for (ImageCanvas* c : {&left, &right}) {
        c->SetFont(font);
        c->SetTransparent(true);
    }
    left.SetTextAlign(TextAlign::Left | TextAlign::Top);
    left.TextOut(50, 10, "MMM");
    right.SetTextAlign(TextAlign::Right | TextAlign::Top);
    right.TextOut(50, 10, "MMM");
    int leftMin = 100, rightMax = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) {
            if (left.PixelAt(x, y) != clWhite) {
                leftMin = std::min(leftMin, x);
                EXPECT_EQ(left.PixelAt(x, y), clBlue) << "no antialiasing";
            }
            if (right.PixelAt(x, y) != clWhite)
                rightMax = std::max(rightMax, x);
        }
    EXPECT_GE(leftMin, 50);
    EXPECT_LT(rightMax, 50);
    EXPECT_GT(left.TextExtent("MMM").cx, 0);
}

TEST(ImageCanvas, TurnedTextRunsUpwards)
{
    TFont font;
    font.Height = -10;
    font.Escapement = 900;
    ImageCanvas canvas(40, 100);
    canvas.SetFont(font);
    canvas.SetTransparent(true);
    canvas.TextOut(10, 80, "Turned");
    int top = 100, bottom = -1, leftMost = 40;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 40; ++x)
            if (canvas.PixelAt(x, y) != clWhite) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                leftMost = std::min(leftMost, x);
            }
    EXPECT_LE(bottom, 80);
    EXPECT_GT(bottom - top, 20) << "the text is taller than wide";
    EXPECT_GE(leftMost, 10);
}

TEST(ImageCanvas, LatinOneBytesAndTheSymbolFont)
{
    EXPECT_EQ(SymbolFontText("a"), QString(QChar(u'\u03B1')));
    EXPECT_EQ(SymbolFontText("W\xB0"), QString(QChar(u'\u03A9')) + QChar(u'\u00B0'));
    TFont font;
    font.Height = -12;
    ImageCanvas latin(40, 40), symbol(40, 40);
    latin.SetFont(font);
    EXPECT_GT(latin.TextExtent("\xB0").cx, 0);
    latin.TextOut(5, 5, "a");
    font.Name = "Symbol";
    symbol.SetFont(font);
    symbol.TextOut(5, 5, "a");
    EXPECT_NE(latin.Image(), symbol.Image());
    EXPECT_NE(symbol.Image(), ImageCanvas(40, 40).Image());
}

}  // namespace
