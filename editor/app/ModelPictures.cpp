#include "editor/app/ModelPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 150;
constexpr int kTop = 35;
constexpr int kBottom = 125;

// Elements between the two rails (vertical, at x) or along the top rail
// (horizontal, from x1 to x2), in the editor's own symbols.
class Sketch {
public:
    explicit Sketch(QPainter& p) : p_(p) {}

    void Wire(QPointF a, QPointF b) { p_.drawLine(a, b); }
    void Terminal(QPointF at, const QString& name, bool left)
    {
        p_.setBrush(Qt::white);
        p_.drawEllipse(at, 3, 3);
        QRectF box = left ? QRectF(at.x() - 24, at.y() - 9, 18, 18) : QRectF(at.x() + 6, at.y() - 9, 18, 18);
        p_.drawText(box, Qt::AlignCenter, name);
    }
    void Dot(QPointF at)
    {
        p_.setBrush(Qt::black);
        p_.drawEllipse(at, 2, 2);
    }
    // A vertical element at x between the rails, labelled on its right.
    void Resistor(double x, const QString& label) { Vertical(x, label, [this](double c) { Zigzag(c); }); }
    void Capacitor(double x, const QString& label) { Vertical(x, label, [this](double c) { Plates(c); }); }
    void CurrentSource(double x, const QString& label)
    {
        Vertical(x, label, [this](double c) {
            Diamond(c);
            Wire({c, kMid + 8}, {c, kMid - 8});
            p_.drawLine(QPointF(c, kMid - 8), QPointF(c - 3, kMid - 3));
            p_.drawLine(QPointF(c, kMid - 8), QPointF(c + 3, kMid - 3));
        });
    }
    void VoltageSource(double x, const QString& label)
    {
        Vertical(x, label, [this](double c) {
            Diamond(c);
            p_.drawText(QRectF(c - 6, kMid - 12, 12, 12), Qt::AlignCenter, "+");
            p_.drawText(QRectF(c - 6, kMid, 12, 12), Qt::AlignCenter, "-");
        });
    }
    // A horizontal element on the top rail.
    void SeriesResistor(double x1, double x2, const QString& label)
    {
        Horizontal(x1, x2, label, [this](double c) {
            p_.save();
            p_.translate(c, kTop);
            p_.rotate(-90);
            p_.translate(-c, -kMid);
            Zigzag(c);
            p_.restore();
        });
    }
    void SeriesCapacitor(double x1, double x2, const QString& label)
    {
        Horizontal(x1, x2, label, [this](double c) {
            p_.drawLine(QPointF(c - 3, kTop - 10), QPointF(c - 3, kTop + 10));
            p_.drawLine(QPointF(c + 3, kTop - 10), QPointF(c + 3, kTop + 10));
        });
    }

private:
    static constexpr double kMid = (kTop + kBottom) / 2.0;

    template <typename Symbol>
    void Vertical(double x, const QString& label, Symbol symbol)
    {
        Wire({x, kTop}, {x, kMid - 20});
        Wire({x, kMid + 20}, {x, kBottom});
        symbol(x);
        p_.drawText(QRectF(x + 17, kMid - 9, 60, 18), Qt::AlignLeft | Qt::AlignVCenter, label);
        Dot({x, kTop});
        Dot({x, kBottom});
    }
    template <typename Symbol>
    void Horizontal(double x1, double x2, const QString& label, Symbol symbol)
    {
        double c = (x1 + x2) / 2;
        Wire({x1, kTop}, {c - 20, kTop});
        Wire({c + 20, kTop}, {x2, kTop});
        symbol(c);
        p_.drawText(QRectF(c - 30, kTop - 30, 60, 16), Qt::AlignCenter, label);
    }
    void Zigzag(double c)
    {
        QPainterPath path({c, kMid - 20});
        double y = kMid - 20;
        for (int i = 0; i < 6; ++i) {
            path.lineTo(c + (i % 2 ? 6 : -6), y + 3 + 6 * i);
        }
        path.lineTo(c, kMid + 20);
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
    }
    void Plates(double c)
    {
        Wire({c, kMid - 20}, {c, kMid - 3});
        Wire({c, kMid + 3}, {c, kMid + 20});
        Wire({c - 10, kMid - 3}, {c + 10, kMid - 3});
        Wire({c - 10, kMid + 3}, {c + 10, kMid + 3});
    }
    void Diamond(double c)
    {
        p_.setBrush(Qt::NoBrush);
        p_.drawPolygon(QPolygonF({{c, kMid - 20}, {c + 14, kMid}, {c, kMid + 20}, {c - 14, kMid}}));
    }

    QPainter& p_;
};

struct Names {
    QString in, common, out;
};

// The terminals and the bottom rail: input on the top left, output on the
// top right, the common terminal at both ends of the bottom rail. The top
// rail is drawn piece by piece: the models break it.
void Terminals(Sketch& s, const Names& names)
{
    s.Wire({30, kBottom}, {kWidth - 30, kBottom});
    s.Terminal({30, kTop}, names.in, true);
    s.Terminal({kWidth - 30, kTop}, names.out, false);
    s.Terminal({30, kBottom}, names.common, true);
    s.Terminal({kWidth - 30, kBottom}, names.common, false);
}

}  // namespace

QPixmap ModelPicture(char kind)
{
    QPixmap picture(kWidth, kHeight);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    Sketch s(p);
    switch (kind) {
    case 'Q':
        Terminals(s, {"B", "E", "C"});
        s.SeriesResistor(30, 100, "hie");
        s.VoltageSource(100, QString::fromUtf8("hre\u00b7vce"));
        s.Wire({190, kTop}, {kWidth - 30, kTop});
        s.CurrentSource(190, QString::fromUtf8("hfe\u00b7ib"));
        s.Resistor(275, "hoe");
        break;
    case 'q':
        Terminals(s, {"B", "E", "C"});
        s.Wire({30, kTop}, {145, kTop});
        s.Resistor(60, "Gbe");
        s.Capacitor(120, "Ce");
        s.SeriesCapacitor(145, 185, "Cc");
        s.Wire({185, kTop}, {kWidth - 30, kTop});
        s.CurrentSource(200, QString::fromUtf8("gm\u00b7vbe"));
        s.Resistor(285, "Gce");
        break;
    default:
        Terminals(s, {"G", "S", "D"});
        s.Wire({30, kTop}, {115, kTop});
        s.Capacitor(70, "Cgs");
        s.SeriesCapacitor(115, 155, "Cgd");
        s.Wire({155, kTop}, {kWidth - 30, kTop});
        s.CurrentSource(170, QString::fromUtf8("gm\u00b7vgs"));
        s.Resistor(250, "Gd");
        s.Capacitor(300, "Cds");
        break;
    }
    return picture;
}
