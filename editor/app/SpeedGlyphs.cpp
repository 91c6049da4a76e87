#include "editor/app/SpeedGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 20;
const QColor kInk(40, 40, 40);

void Page(QPainter& p, QRectF r)
{
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - 4, r.top());
    page.lineTo(r.right(), r.top() + 4);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(r.right() - 4, r.top()), QPointF(r.right() - 4, r.top() + 4));
    p.drawLine(QPointF(r.right() - 4, r.top() + 4), QPointF(r.right(), r.top() + 4));
}

void Disk(QPainter& p)
{
    p.setBrush(QColor(45, 90, 170));
    p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 2.5, 9, 6));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(6.5, 12.5, 7, 5));
}

void Draw(QPainter& p, Glyph glyph)
{
    p.setPen(QPen(kInk, 1));
    switch (glyph) {
    case Glyph::New:
        Page(p, QRectF(4.5, 2.5, 11, 15));
        break;
    case Glyph::Open:
        p.setBrush(QColor(230, 190, 70));
        p.drawRect(QRectF(2.5, 5.5, 15, 11));
        p.drawRect(QRectF(2.5, 3.5, 6, 2));
        p.setBrush(QColor(250, 215, 110));
        p.drawPolygon(QPolygonF({{2.5, 16.5}, {5.5, 8.5}, {19.0, 8.5}, {17.5, 16.5}}));
        break;
    case Glyph::Save:
        Disk(p);
        break;
    case Glyph::SaveAs:
        Disk(p);
        p.setPen(QPen(QColor(200, 90, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 18), QPointF(18, 11));
        break;
    case Glyph::Print:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 2.5, 9, 6));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(2.5, 8.5, 15, 7), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 13.5, 9, 4));
        break;
    case Glyph::Copy:
        Page(p, QRectF(2.5, 2.5, 9, 12));
        Page(p, QRectF(8.5, 5.5, 9, 12));
        break;
    case Glyph::Cursor:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 15, 15));
        p.setPen(QPen(QColor(0, 0, 255), 1.5));
        p.drawPolyline(QPolygonF({{3.5, 14}, {7, 13}, {10, 9}, {13, 6}, {17, 5}}));
        p.setPen(QPen(QColor(255, 0, 0), 1.5));
        p.drawLine(QPointF(11.5, 3.5), QPointF(11.5, 16.5));
        break;
    case Glyph::Zoom:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(200, 230, 255));
        p.drawEllipse(QPointF(8.5, 8.5), 5.5, 5.5);
        p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12.5, 12.5), QPointF(17, 17));
        break;
    case Glyph::Help: {
        p.setBrush(QColor(40, 100, 200));
        p.drawEllipse(QPointF(10, 10), 8, 8);
        QFont font("DejaVu Sans");
        font.setPixelSize(13);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 2, 16, 16), Qt::AlignCenter, "?");
        break;
    }
    case Glyph::Exit:
        p.setBrush(QColor(170, 110, 60));
        p.drawRect(QRectF(3.5, 2.5, 9, 15));
        p.setPen(QPen(QColor(0, 140, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(9, 10), QPointF(18, 10));
        p.drawPolyline(QPolygonF({{15, 7}, {18, 10}, {15, 13}}));
        break;
    }
}

}  // namespace

QIcon GlyphIcon(Glyph glyph)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    Draw(painter, glyph);
    return QIcon(pixmap);
}

QIcon ProgramIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 40, 86));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    p.setPen(QPen(QColor(130, 205, 255), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({{9, 7}, {9, 25}, {25, 16}}));
    p.drawLine(QPointF(4, 11), QPointF(9, 11));
    p.drawLine(QPointF(4, 21), QPointF(9, 21));
    p.drawLine(QPointF(25, 16), QPointF(29, 16));
    return QIcon(pixmap);
}
