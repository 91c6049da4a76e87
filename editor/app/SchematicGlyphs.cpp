#include "editor/app/SchematicGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

#include "editor/elements/GCompo.h"
#include "platform/ImageCanvas.h"

namespace {

constexpr int kIconSize = 28;
constexpr int kPartIconSize = 38;
constexpr int kLetterWidth = 10;

// Shrinks line art by keeping the darkest pixel of each block, so that thin
// lines stay black; white becomes transparent.
// The result is centred in an image of the given size.
QImage Shrink(const QImage& source, QSize size)
{
    double factor = std::max({1.0, source.width() / static_cast<double>(size.width()),
                              source.height() / static_cast<double>(size.height())});
    int width = std::max(1, static_cast<int>(source.width() / factor));
    int height = std::max(1, static_cast<int>(source.height() / factor));
    QImage icon(size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    int left = (size.width() - width) / 2, top = (size.height() - height) / 2;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            int darkest = 3 * 255;
            QRgb ink = qRgb(255, 255, 255);
            for (int sy = static_cast<int>(y * factor); sy < std::min(source.height(), static_cast<int>((y + 1) * factor)); ++sy)
                for (int sx = static_cast<int>(x * factor); sx < std::min(source.width(), static_cast<int>((x + 1) * factor)); ++sx) {
                    QRgb pixel = source.pixel(sx, sy);
                    int sum = qRed(pixel) + qGreen(pixel) + qBlue(pixel);
                    if (sum < darkest) {
                        darkest = sum;
                        ink = pixel;
                    }
                }
            if (darkest < 3 * 255)
                icon.setPixel(left + x, top + y, ink | 0xFF000000u);
        }
    return icon;
}

QPixmap Blank()
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void DrawTool(QPainter& p, Tool tool)
{
    const QColor ink(30, 30, 30);
    p.setPen(QPen(ink, 1.2));
    QFont font("DejaVu Sans");
    switch (tool) {
    case Tool::Pointer:
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{8, 4}, {8, 22}, {12, 18}, {15, 25}, {18, 24}, {15, 17}, {21, 17}}));
        break;
    case Tool::Grid:
        p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
        for (int y = 5; y < 28; y += 6)
            for (int x = 5; x < 28; x += 6)
                p.drawPoint(x, y);
        break;
    case Tool::Cut:
        p.drawEllipse(QPointF(8, 21), 4, 4);
        p.drawEllipse(QPointF(20, 21), 4, 4);
        p.setPen(QPen(ink, 1.6));
        p.drawLine(QPointF(10.5, 18), QPointF(19, 3));
        p.drawLine(QPointF(17.5, 18), QPointF(9, 3));
        break;
    case Tool::Paste:
        p.setBrush(QColor(190, 140, 80));
        p.drawRoundedRect(QRectF(4.5, 5.5, 15, 19), 2, 2);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(9.5, 3.5, 5, 4));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(12.5, 11.5, 11, 14));
        break;
    case Tool::Text:
        font.setPixelSize(20);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(0, 0, kIconSize, kIconSize), Qt::AlignCenter, "T");
        break;
    case Tool::Wire:
        p.setPen(QPen(ink, 1.6));
        p.drawPolyline(QPolygonF({{4, 22}, {14, 22}, {14, 6}, {24, 6}}));
        p.setBrush(ink);
        p.drawEllipse(QPointF(4, 22), 2, 2);
        p.drawEllipse(QPointF(24, 6), 2, 2);
        break;
    case Tool::CheckNodes:
        p.setBrush(QColor(255, 255, 0));
        p.drawRect(QRectF(6.5, 6.5, 15, 15));
        font.setPixelSize(13);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0, 0, 255));
        p.drawText(QRectF(6, 6, 16, 16), Qt::AlignCenter, "1");
        break;
    case Tool::Approximate:
    case Tool::Analyse: {
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0, 0, 128));
        p.drawText(QRectF(0, 2, kIconSize, 12), Qt::AlignCenter, "H(s)");
        p.setPen(QPen(tool == Tool::Analyse ? QColor(0, 128, 0) : QColor(200, 100, 0), 1.6));
        if (tool == Tool::Analyse) {
            p.drawLine(QPointF(5, 20), QPointF(23, 20));
            p.drawLine(QPointF(5, 23), QPointF(23, 23));
        } else {
            QPainterPath wave;
            for (int row : {19, 24}) {
                wave.moveTo(5, row);
                wave.cubicTo(10, row - 4, 14, row + 4, 23, row - 1);
            }
            p.setBrush(Qt::NoBrush);
            p.drawPath(wave);
        }
        break;
    }
    case Tool::SaveSubcircuit:
        p.setBrush(QColor(45, 90, 170));
        p.drawRoundedRect(QRectF(3.5, 3.5, 21, 21), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9.5, 9.5, 9, 9));
        p.setPen(QPen(Qt::white, 1.4));
        p.drawLine(QPointF(5, 14), QPointF(9, 14));
        p.drawLine(QPointF(19, 14), QPointF(23, 14));
        break;
    }
}

}  // namespace

QIcon PartIcon(char kind, const QString& letter)
{
    ImageCanvas canvas(200, 200);
    GCompo part(kind, &canvas, false, false, false);
    part.Text = "N";
    part.X = 100;
    part.Y = 100;
    part.Draw(true, false);
    int margin = 2;
    QRect box = QRect(QPoint(part.Left - margin, part.Top - margin), QPoint(part.Right + margin, part.Bottom + margin))
                    .normalized()
                    .intersected(canvas.Image().rect());
    QImage symbol = canvas.Image().copy(box);
    if (letter.isEmpty())
        return QIcon(QPixmap::fromImage(Shrink(symbol, QSize(kIconSize, kIconSize))));
    // The letter in a column of its own on the left.
    QPixmap icon(kPartIconSize, kPartIconSize);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.drawImage(kLetterWidth, 0, Shrink(symbol, QSize(kPartIconSize - kLetterWidth, kPartIconSize)));
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 160));
    painter.drawText(QRect(0, 0, kLetterWidth, kPartIconSize), Qt::AlignLeft | Qt::AlignVCenter, letter);
    painter.end();
    return QIcon(icon);
}

QIcon ToolIcon(Tool tool)
{
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawTool(painter, tool);
    painter.end();
    return QIcon(pixmap);
}
