// The canvas on a painter (for printers), checked on an image.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "platform/PainterCanvas.h"

namespace {

QImage White(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The leftmost and rightmost columns holding a non-white pixel.
std::pair<int, int> InkColumns(const QImage& image)
{
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

}  // namespace

TEST(PainterCanvas, LinesRectanglesAndColours)
{
    QImage image = White(40, 40);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter);
        canvas.SetPen(clBlue);
        canvas.MoveTo(2, 5);
        canvas.LineTo(30, 5);
        canvas.SetPen(clBlack);
        canvas.SetBrush(clRed);
        canvas.Rectangle(10, 10, 20, 20);
        canvas.SetPixel(35, 35, clGreen);
    }
    EXPECT_EQ(image.pixel(15, 5), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(15, 7), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(15, 15), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(10, 15), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(19, 15), qRgb(0, 0, 0));  // the right edge is excluded: its border is at 19
    EXPECT_EQ(image.pixel(21, 15), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(35, 35), qRgb(0, 128, 0));
}

TEST(PainterCanvas, TextAlignsOnItsPoint)
{
    for (unsigned align : {TextAlign::Left, TextAlign::Center, TextAlign::Right}) {
        QImage image = White(200, 40);
        {
            QPainter painter(&image);
            PainterCanvas canvas(painter);
            canvas.SetTextAlign(align | TextAlign::Top);
            canvas.TextOut(100, 10, "-0.0375");
        }
        auto [left, right] = InkColumns(image);
        ASSERT_LT(left, right);
        if (align == TextAlign::Left)
            EXPECT_GE(left, 100);
        else if (align == TextAlign::Right)
            EXPECT_LE(right, 100);
        else
            EXPECT_LE(std::abs((left + right) / 2 - 100), 3);
    }
}

// A painter scaled by 3 draws the canvas three times as large.
TEST(PainterCanvas, AScaledPainterScalesTheDrawing)
{
    QImage image = White(120, 120);
    {
        QPainter painter(&image);
        painter.scale(3, 3);
        PainterCanvas canvas(painter);
        canvas.SetBrush(clBlack);
        canvas.Rectangle(10, 10, 20, 20);
    }
    EXPECT_EQ(image.pixel(45, 45), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(66, 45), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(27, 45), qRgb(255, 255, 255));
}
