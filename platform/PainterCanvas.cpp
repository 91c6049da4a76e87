#include "platform/PainterCanvas.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/CanvasText.h"

namespace {

QColor ToQColor(TColor c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

QPointF Centre(int x, int y) { return {x + 0.5, y + 0.5}; }

// The box of a shape whose right and bottom edge are excluded, through the
// centres of its border pixels.
QRectF BorderBox(int x1, int y1, int x2, int y2)
{
    return QRectF(Centre(std::min(x1, x2), std::min(y1, y2)), Centre(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}

// Degrees of the radial from the centre through a point, counter-clockwise
// on the screen from the positive x axis.
double RadialAngle(QPointF centre, int x, int y)
{
    return std::atan2(centre.y() - (y + 0.5), (x + 0.5) - centre.x()) * 180 / std::numbers::pi;
}

}  // namespace

void PainterCanvas::SetPen(TColor color, int width)
{
    pen_ = color;
    penWidth_ = std::max(1, width);
}

void PainterCanvas::SetPenMode(PenMode mode)
{
    painter_.setCompositionMode(mode == PenMode::NotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                        : QPainter::CompositionMode_SourceOver);
}

void PainterCanvas::UsePen()
{
    QPen pen(ToQColor(pen_), penWidth_, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter_.setPen(pen);
}

void PainterCanvas::UseBrush() { painter_.setBrush(ToQColor(brush_)); }

void PainterCanvas::MoveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void PainterCanvas::LineTo(int x, int y)
{
    UsePen();
    painter_.drawLine(Centre(penX_, penY_), Centre(x, y));
    MoveTo(x, y);
}

void PainterCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 || y1 == y2)
        return;
    UsePen();
    UseBrush();
    painter_.drawRect(BorderBox(x1, y1, x2, y2));
}

void PainterCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 || y1 == y2)
        return;
    UsePen();
    UseBrush();
    painter_.drawEllipse(BorderBox(x1, y1, x2, y2));
}

void PainterCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (x1 == x2 || y1 == y2)
        return;
    QRectF box = BorderBox(x1, y1, x2, y2);
    double start = RadialAngle(box.center(), x3, y3);
    double span = RadialAngle(box.center(), x4, y4) - start;
    if (span <= 0)
        span += 360;
    UsePen();
    painter_.drawArc(box, static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
}

TSize PainterCanvas::TextExtent(const std::string& text)
{
    QFontMetrics metrics(QtFontOf(font_, true));
    return {metrics.horizontalAdvance(QtTextOf(font_, text)), metrics.height()};
}

void PainterCanvas::TextOut(int x, int y, const std::string& text)
{
    QFont font = QtFontOf(font_, true);
    QFontMetrics metrics(font);
    QString shown = QtTextOf(font_, text);
    int width = metrics.horizontalAdvance(shown);
    QPoint at = AlignedTopLeft(metrics, width, align_);
    painter_.save();
    painter_.translate(x, y);
    painter_.rotate(-font_.Escapement / 10.0);
    if (!transparent_)
        painter_.fillRect(at.x(), at.y(), width, metrics.height(), Qt::white);
    painter_.setFont(font);
    painter_.setPen(ToQColor(font_.Color));
    painter_.drawText(at.x(), at.y() + metrics.ascent(), shown);
    painter_.restore();
}

void PainterCanvas::SetPixel(int x, int y, TColor color) { painter_.fillRect(QRectF(x, y, 1, 1), ToQColor(color)); }
