// The symbols of the circuit elements, markers and subcircuits in their own frame.
#include "editor/elements/GCompo.h"
#include "editor/elements/GOrient.h"

#include <string>

namespace {

struct Shape {
    int count;
    const char* unit;  // nullptr: the kind has no unit
    Pt box1;
    Pt box2;
    Pt terms[4];
    Pt label;  // label x 0: no label
    bool rotate;
};

constexpr Shape TwoPole(const char* unit, Pt box1, Pt box2, int labelX)
{
    return {2, unit, box1, box2, {{0, 0}, {0, 60}, {0, 0}, {0, 0}}, {labelX, 30}, false};
}

constexpr Shape Controlled(const char* unit, int labelX)
{
    return {4, unit, {-40, 0}, {10, 60}, {{0, 0}, {0, 60}, {-40, 0}, {-40, 60}}, {labelX, 30}, false};
}

constexpr Shape Transistor = {3, nullptr, {0, -20}, {40, 20}, {{0, 0}, {40, 20}, {40, -20}, {0, 0}}, {50, 0}, false};

void Zigzag(const GOrient& o)
{
    o.Polyline({{0, 0}, {0, 14}, {-7, 16}, {7, 20}, {-7, 24}, {7, 28}, {-7, 32}, {7, 36}, {-7, 40},
                {7, 44}, {0, 46}, {0, 60}});
}

void Capacitor(const GOrient& o, TCanvas* canvas)
{
    canvas->SetBrush(clBlack);
    o.Polyline({{0, 0}, {0, 27}});
    o.Rectangle({-10, 25}, {11, 27});
    o.Polyline({{0, 60}, {0, 30}});
    o.Rectangle({-10, 31}, {11, 33});
}

void Inductor(const GOrient& o)
{
    o.Polyline({{0, 0}, {0, 11}});
    o.Polyline({{0, 50}, {0, 60}});
    for (int y = 10; y < 50; y += 10)
        o.Arc({-8, y}, {9, y + 10}, {0, y + 10}, {0, y});
}

void VoltageSource(const GOrient& o)
{
    o.Circle({0, 30}, 10);
    o.Polyline({{0, 0}, {0, 60}});
    o.PlusSign({-7, 17});
}

void CurrentSource(const GOrient& o)
{
    o.Polyline({{0, 0}, {0, 60}});
    o.Circle({0, 30}, 10);
    o.Polyline({{-10, 30}, {10, 30}});
    o.Arrow(15, 40, -20);
}

void Diamond(const GOrient& o)
{
    o.Polyline({{0, 0}, {0, 20}, {-10, 30}, {0, 40}, {0, 60}});
    o.Polyline({{0, 20}, {10, 30}, {0, 40}});
}

// Control port between two terminals on the left: a voltage (+, -) or a branch.
void VoltageControl(const GOrient& o)
{
    o.Polyline({{-40, 0}, {-30, 0}});
    o.Polyline({{-40, 60}, {-30, 60}});
    o.PlusSign({-20, 0});
    o.MinusSign({-20, 60});
}

void CurrentControl(const GOrient& o)
{
    o.Polyline({{-40, 0}, {-30, 0}, {-30, 60}, {-40, 60}});
    o.Arrow(-35, 20, 20);
}

void CurrentOutput(const GOrient& o)
{
    o.Polyline({{-10, 30}, {10, 30}});
    o.Arrow(15, 20, 20);
}

void VoltageOutput(const GOrient& o)
{
    o.PlusSign({0, 26});
    o.MinusSign({0, 34});
}

void Bjt(const GOrient& o, bool npn)
{
    o.Polyline({{0, 0}, {20, 0}, {40, 20}});
    o.Polyline({{20, 0}, {40, -20}});
    if (npn)
        o.Polyline({{35, 15}, {30, 15}, {35, 10}, {35, 15}});
    else
        o.Polyline({{30, 10}, {35, 10}, {30, 15}, {30, 10}});
    o.Rectangle({20, -15}, {25, 15});
}

void Mosfet(const GOrient& o, bool nChannel)
{
    o.Polyline({{0, 0}, {20, 0}});
    o.Polyline({{20, -15}, {20, 15}});
    o.Polyline({{25, -15}, {25, 15}});
    o.Polyline({{25, -10}, {40, -10}, {40, -20}});
    o.Polyline({{25, 10}, {40, 10}, {40, 20}});
    if (nChannel)
        o.Polyline({{40, 10}, {35, 5}, {35, 15}, {40, 10}});
    else
        o.Polyline({{25, 10}, {30, 5}, {30, 15}, {25, 10}});
}

void OpAmp(const GOrient& o)
{
    o.Polyline({{0, 0}, {20, 0}});
    o.Polyline({{0, 40}, {20, 40}});
    o.Polyline({{65, 20}, {80, 20}});
    o.Polyline({{20, -10}, {65, 20}, {20, 50}, {20, -10}});
    o.MinusSign({28, 5});
    o.PlusSign({28, 35});
}

void Coupled(const GOrient& o)
{
    o.Polyline({{0, 0}, {0, 11}});
    for (int y = 10; y < 50; y += 10)
        o.Arc({-6, y}, {8, y + 10}, {0, y + 10}, {0, y});
    o.Polyline({{0, 50}, {0, 60}});
    o.Polyline({{30, 0}, {30, 11}});
    for (int y = 10; y < 50; y += 10)
        o.Arc({22, y}, {36, y + 10}, {30, y}, {30, y + 10});
    o.Polyline({{30, 50}, {30, 60}});
}

void Ground(const GOrient& o)
{
    o.Polyline({{0, 0}, {0, 10}});
    o.Polyline({{-8, 10}, {8, 10}});
    o.Polyline({{-5, 14}, {5, 14}});
    o.Polyline({{-2, 18}, {2, 18}});
}

// Draws the strokes of a kind and gives its shape; false for a kind without symbol.
bool Strokes(char kind, const std::string& text, const GOrient& o, TCanvas* canvas, Shape& shape)
{
    bool n = !text.empty() && text[0] == 'N';
    switch (kind) {
    case 'R':
    case 'G':
        Zigzag(o);
        shape = TwoPole(kind == 'R' ? "ohm" : "S", {-8, 0}, {8, 60}, -10);
        return true;
    case 'C':
        Capacitor(o, canvas);
        shape = TwoPole("F", {-11, 0}, {11, 60}, -12);
        return true;
    case 'L':
        Inductor(o);
        shape = TwoPole("H", {-10, 0}, {10, 60}, -10);
        return true;
    case 'V':
        VoltageSource(o);
        shape = TwoPole("V", {-10, 0}, {10, 60}, -15);
        return true;
    case 'I':
        CurrentSource(o);
        shape = TwoPole("A", {-10, 0}, {10, 60}, -15);
        return true;
    case 'H':
        VoltageControl(o);
        Diamond(o);
        CurrentOutput(o);
        shape = Controlled("S", -15);
        return true;
    case 'F':
        CurrentControl(o);
        Diamond(o);
        CurrentOutput(o);
        shape = Controlled(nullptr, 23);
        return true;
    case 'Y':
        CurrentControl(o);
        Diamond(o);
        VoltageOutput(o);
        shape = Controlled("ohm", 15);
        return true;
    case 'E':
        VoltageControl(o);
        Diamond(o);
        VoltageOutput(o);
        shape = Controlled(nullptr, 15);
        return true;
    case 'Q':
    case 'q':
        Bjt(o, n);
        shape = Transistor;
        return true;
    case 'M':
        Mosfet(o, n);
        shape = Transistor;
        return true;
    case 'O':
        OpAmp(o);
        shape = {3, nullptr, {0, -10}, {80, 50}, {{80, 20}, {0, 0}, {0, 40}, {0, 0}}, {0, 0}, false};
        return true;
    case 'n':
    case 'K':
        Coupled(o);
        shape = {4, nullptr, {0, 0}, {30, 60}, {{0, 0}, {0, 60}, {30, 0}, {30, 60}}, {15, -10}, true};
        return true;
    case 'v':
        o.Polyline({{0, 0}, {10, 0}});
        o.Circle({10, 0}, 3);
        shape = {1, nullptr, {0, -10}, {15, 10}, {{0, 0}, {0, 0}, {0, 0}, {0, 0}}, {0, 0}, false};
        return true;
    case 'i':
        o.Polyline({{0, 0}, {0, 40}});
        o.Circle({0, 20}, 5);
        o.Arrow(10, 10, 20);
        shape = {2, nullptr, {-10, 0}, {10, 40}, {{0, 0}, {0, 40}, {0, 0}, {0, 0}}, {0, 0}, false};
        return true;
    case 'g':
        Ground(o);
        shape = {1, nullptr, {-10, 0}, {10, 20}, {{0, 0}, {0, 0}, {0, 0}, {0, 0}}, {0, 0}, false};
        return true;
    default:
        return false;
    }
}

}  // namespace

void GCompo::DrawSymbol(const GOrient& orient, bool final)
{
    Shape shape{};
    if (!Strokes(Kind, Text, orient, Canvas, shape)) {
        TermCount = 0;
        return;
    }
    TermCount = shape.count;
    if (shape.unit)
        Unit = shape.unit;
    Box box = orient.BoundingBox(shape.box1, shape.box2);
    Left = box.Left;
    Top = box.Top;
    Right = box.Right;
    Bottom = box.Bottom;
    for (int i = 0; i < 4; ++i) {
        Pt t = orient.Map(shape.terms[i]);
        TermX[i] = t.x;
        TermY[i] = t.y;
    }
    Canvas->SetBrush(clWhite);
    DrawLabel(final, shape.label.x, shape.label.y, shape.rotate);
}

void GCompo::DrawSubcircuit(const GOrient& orient, bool final)
{
    int w = SymWidth, h = SymHeight;
    orient.Rectangle({0, 0}, {w, h});
    for (int i = 0; i < TermCount; ++i) {
        int o = Pin[i].Offset;
        Pt from{0, 0}, term{0, 0}, number{0, 0};
        switch (Pin[i].Side) {
        case 'B': from = {o, h}; term = {o, h + 10}; number = {o, h - 5}; break;
        case 'L': from = {0, o}; term = {-10, o}; number = {5, o}; break;
        case 'R': from = {w, o}; term = {w + 10, o}; number = {w - 5, o}; break;
        default: from = {o, 0}; term = {o, -10}; number = {o, 5}; break;
        }
        orient.Polyline({from, term});
        Pt t = orient.Map(term);
        TermX[i] = t.x;
        TermY[i] = t.y;
        if (final)
            orient.Label(number, std::to_string(i + 1), true);
    }
    Box box = orient.BoundingBox({-5, -5}, {w + 5, h + 5});
    Left = box.Left;
    Top = box.Top;
    Right = box.Right;
    Bottom = box.Bottom;
    DrawLabel(final, 10, -10, true);
}
