#include "editor/app/AboutPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kTrace(130, 205, 255);

// A resistor as a zigzag from (x1, y) to (x2, y).
void Resistor(QPainter& p, double x1, double x2, double y)
{
    QPainterPath path(QPointF(x1, y));
    double step = (x2 - x1) / 6;
    for (int k = 0; k < 6; ++k)
        path.lineTo(x1 + step * (k + 0.5), y + (k % 2 == 0 ? -5 : 5));
    path.lineTo(x2, y);
    p.drawPath(path);
}

// A capacitor across a vertical wire at x, its plates at y and y + 6.
void Capacitor(QPainter& p, double x, double y)
{
    p.drawLine(QPointF(x - 7, y), QPointF(x + 7, y));
    p.drawLine(QPointF(x - 7, y + 6), QPointF(x + 7, y + 6));
}

void Ground(QPainter& p, double x, double y)
{
    p.drawLine(QPointF(x - 7, y), QPointF(x + 7, y));
    p.drawLine(QPointF(x - 4, y + 4), QPointF(x + 4, y + 4));
    p.drawLine(QPointF(x - 1.5, y + 8), QPointF(x + 1.5, y + 8));
}

// A unity-gain low-pass filter with its source, drawn at the left.
void Circuit(QPainter& p)
{
    p.setPen(QPen(kTrace, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(28, 100), 10, 10);
    QPainterPath wave(QPointF(22, 100));
    wave.cubicTo(24, 93, 26, 93, 28, 100);
    wave.cubicTo(30, 107, 32, 107, 34, 100);
    p.drawPath(wave);
    p.drawPolyline(QPolygonF({{28, 90}, {28, 62}, {40, 62}}));
    p.drawLine(QPointF(28, 110), QPointF(28, 122));
    Ground(p, 28, 122);
    Resistor(p, 40, 68, 62);
    p.drawLine(QPointF(68, 62), QPointF(82, 62));
    Resistor(p, 82, 106, 62);
    p.drawLine(QPointF(106, 62), QPointF(134, 62));
    p.drawLine(QPointF(75, 62), QPointF(75, 50));
    Capacitor(p, 75, 44);
    p.drawPolyline(QPolygonF({{75, 44}, {75, 26}, {170, 26}, {170, 80}}));
    p.drawLine(QPointF(114, 62), QPointF(114, 98));
    Capacitor(p, 114, 98);
    p.drawLine(QPointF(114, 104), QPointF(114, 116));
    Ground(p, 114, 116);
    p.drawPolygon(QPolygonF({{134, 52}, {134, 108}, {164, 80}}));
    p.drawLine(QPointF(164, 80), QPointF(176, 80));
    p.drawPolyline(QPolygonF({{170, 80}, {170, 136}, {128, 136}, {128, 98}, {134, 98}}));
    p.setPen(QPen(kTrace, 1.5));
    p.drawLine(QPointF(137, 62), QPointF(143, 62));
    p.drawLine(QPointF(140, 59), QPointF(140, 65));
    p.drawLine(QPointF(137, 98), QPointF(143, 98));
    p.setPen(Qt::NoPen);
    p.setBrush(kTrace);
    for (QPointF node : {QPointF(75, 62), QPointF(114, 62), QPointF(170, 80)})
        p.drawEllipse(node, 3, 3);
}

}  // namespace

QImage AboutPicture()
{
    QImage image(kAboutWidth, kAboutHeight, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, kAboutHeight);
    sky.setColorAt(0, QColor(22, 40, 86));
    sky.setColorAt(1, QColor(8, 16, 40));
    p.fillRect(image.rect(), sky);
    for (int y = 5; y < kAboutHeight; y += 10)
        for (int x = 5; x < kAboutWidth; x += 10)
            image.setPixel(x, y, qRgb(44, 66, 118));
    p.setRenderHint(QPainter::Antialiasing);
    Circuit(p);

    QFont title("DejaVu Sans");
    title.setPixelSize(46);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(186, 84, "Tervox");
    QFont line("DejaVu Sans");
    line.setPixelSize(14);
    p.setFont(line);
    p.setPen(QColor(170, 210, 255));
    p.drawText(188, 112, "Symbolic analysis of linear circuits");
    line.setPixelSize(12);
    p.setFont(line);
    p.setPen(QColor(120, 150, 200));
    p.drawText(188, 134, "Schematic editor, engine and results viewer");
    p.setPen(QPen(QColor(70, 110, 180), 1));
    p.drawLine(186, 96, 480, 96);
    return image;
}
