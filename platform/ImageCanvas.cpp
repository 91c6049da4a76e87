#include "platform/ImageCanvas.h"

#include "platform/SymbolFont.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

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

void ImageCanvas::Paint(const std::vector<Pixel>& pixels, TColor color)
{
    QRgb source = ToRgb(color);
    for (const Pixel& p : pixels) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(p.y));
        if (mode_ == PenMode::Copy)
            line[p.x] = source;
        else
            line[p.x] = 0xFF000000u | (~(source ^ line[p.x]) & 0x00FFFFFFu);
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
    std::vector<Pixel> border, inside;
    RectanglePixels(x1, y1, x2, y2, Clip(), border, inside);
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

QFont ImageCanvas::QtFont() const
{
    QFont font(font_.Name == "Symbol" ? QString("Arial") : QString::fromLatin1(font_.Name.c_str()));
    font.setPixelSize(std::max(1, std::abs(font_.Height)));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(font_.Weight, 100, 900)));
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QString ImageCanvas::QtText(const std::string& text) const
{
    if (font_.Name == "Symbol")
        return SymbolFontText(text);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

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
    int dx = 0;
    if ((align_ & TextAlign::HorizontalMask) == TextAlign::Center)
        dx = -width / 2;
    else if ((align_ & TextAlign::HorizontalMask) == TextAlign::Right)
        dx = -width;
    int top = 0;
    if ((align_ & TextAlign::VerticalMask) == TextAlign::Bottom)
        top = -metrics.height();
    else if ((align_ & TextAlign::VerticalMask) == TextAlign::Baseline)
        top = -metrics.ascent();
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.translate(x, y);
    painter.rotate(-font_.Escapement / 10.0);
    if (!transparent_)
        painter.fillRect(dx, top, width, metrics.height(), Qt::white);
    painter.setFont(font);
    painter.setPen(QColor(ToRgb(font_.Color)));
    painter.drawText(dx, top + metrics.ascent(), shown);
}

void ImageCanvas::SetPixel(int x, int y, TColor color)
{
    if (Clip().Holds(x, y))
        image_.setPixel(x, y, ToRgb(color));
}
