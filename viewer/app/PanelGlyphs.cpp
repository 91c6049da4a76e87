#include "viewer/app/PanelGlyphs.h"

#include <QPainter>
#include <QPixmap>
#include <functional>

namespace {

constexpr int kSide = 18;

QIcon Drawn(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(pixmap);
}

}  // namespace

QIcon HelpGlyph()
{
    return Drawn([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 90, 190));
        p.drawEllipse(QRectF(1, 1, 16, 16));
        QFont font;
        font.setPixelSize(12);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(1, 1, 16, 16), Qt::AlignCenter, "?");
    });
}

QIcon ExitGlyph()
{
    return Drawn([](QPainter& p) {
        p.setPen(QColor(90, 60, 30));
        p.setBrush(QColor(190, 130, 70));
        p.drawRect(QRectF(2.5, 1.5, 8, 15));
        p.setPen(QPen(QColor(200, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 9), QPointF(16, 9));
        p.drawLine(QPointF(13, 6), QPointF(16, 9));
        p.drawLine(QPointF(13, 12), QPointF(16, 9));
    });
}
