#include "platform/ImageCanvas.h"

#include "platform/CanvasText.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

QRgb ToRgb(TColor c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

}  // namespace

ImageCanvas::ImageCanvas(int width, int height) : image_(width, height, QImage::Format_RGB32)
{
    image_.fill(Qt::white);
}

void ImageCanvas::Resize(int width, int height)
{
    image_ = QImage(width, height, QImage::Format_RGB32);
    image_.fill(Qt::white);
}

TColor ImageCanvas::PixelAt(int x, int y) const
{
    QRgb p = image_.pixel(x, y);
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

void ImageCanvas::SetPen(TColor color, int width)
{
    pen_ = color;
    penWidth_ = width;
}

void ImageCanvas::SetBrush(TColor color) { brush_ = color; }

void ImageCanvas::SetFont(const TFont& font) { font_ = font; }

QRgb ImageCanvas::Mixed(QRgb source, QRgb under) const
{
    return mode_ == PenMode::Copy ? source : 0xFF000000u | (~(source ^ under) & 0x00FFFFFFu);
}

void ImageCanvas::Paint(const std::vector<Pixel>& pixels, TColor color)
{
    QRgb source = ToRgb(color);
    for (const Pixel& p : pixels) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(p.y));
        line[p.x] = Mixed(source, line[p.x]);
    }
}

void ImageCanvas::Paint(const std::vector<Span>& spans, TColor color)
{
    QRgb source = ToRgb(color);
    for (const Span& s : spans) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(s.y));
        if (mode_ == PenMode::Copy)
            std::fill(line + s.left, line + s.right, source);
        else
            for (int x = s.left; x < s.right; ++x)
                line[x] = Mixed(source, line[x]);
    }
}

void ImageCanvas::MoveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void ImageCanvas::LineTo(int x, int y)
{
    Paint(LinePixels(penX_, penY_, x, y, penWidth_, Clip()), pen_);
    MoveTo(x, y);
}

void ImageCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    std::vector<Span> border, inside;
    RectangleSpans(x1, y1, x2, y2, Clip(), border, inside);
    Paint(border, pen_);
    Paint(inside, brush_);
}

void ImageCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    std::vector<Pixel> outline, inside;
    EllipsePixels(x1, y1, x2, y2, Clip(), outline, inside);
    Paint(outline, pen_);
    Paint(inside, brush_);
}

void ImageCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    Paint(ArcPixels(x1, y1, x2, y2, x3, y3, x4, y4, Clip()), pen_);
}

QFont ImageCanvas::QtFont() const { return QtFontOf(font_, false); }

QString ImageCanvas::QtText(const std::string& text) const { return QtTextOf(font_, text); }

TSize ImageCanvas::TextExtent(const std::string& text)
{
    QFontMetrics metrics(QtFont());
    return {metrics.horizontalAdvance(QtText(text)), metrics.height()};
}

void ImageCanvas::TextOut(int x, int y, const std::string& text)
{
    QFont font = QtFont();
    QFontMetrics metrics(font);
    QString shown = QtText(text);
    int width = metrics.horizontalAdvance(shown);
    QPoint at = AlignedTopLeft(metrics, width, align_);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.translate(x, y);
    painter.rotate(-font_.Escapement / 10.0);
    if (!transparent_)
        painter.fillRect(at.x(), at.y(), width, metrics.height(), Qt::white);
    painter.setFont(font);
    painter.setPen(QColor(ToRgb(font_.Color)));
    painter.drawText(at.x(), at.y() + metrics.ascent(), shown);
}

void ImageCanvas::SetPixel(int x, int y, TColor color)
{
    if (Clip().Holds(x, y))
        image_.setPixel(x, y, ToRgb(color));
}
