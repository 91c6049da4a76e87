#include "editor/elements/GOrient.h"

#include <algorithm>

namespace {

// Bit 0 swaps the axes, bit 1 negates x, bit 2 negates y.
constexpr int OrientationBits[8] = {0, 3, 6, 5, 4, 1, 2, 7};
constexpr int LabelEscapement[8] = {0, 900, 0, 900, 0, 900, 0, 900};

}  // namespace

GOrient::GOrient(TCanvas* canvas, int x, int y, int orientation)
    : canvas_(canvas), x_(x), y_(y), orientation_((orientation % 8 + 8) % 8)
{
    int bits = OrientationBits[orientation_];
    swap_ = (bits & 1) != 0;
    xSign_ = (bits & 2) ? -1 : 1;
    ySign_ = (bits & 4) ? -1 : 1;
}

Pt GOrient::Map(Pt p) const
{
    return {x_ + (swap_ ? p.y : p.x) * xSign_, y_ + (swap_ ? p.x : p.y) * ySign_};
}

void GOrient::Polyline(std::initializer_list<Pt> points) const
{
    bool first = true;
    for (Pt p : points) {
        Pt m = Map(p);
        if (first)
            canvas_->MoveTo(m.x, m.y);
        else
            canvas_->LineTo(m.x, m.y);
        first = false;
    }
}

void GOrient::PlusSign(Pt p) const
{
    Pt m = Map(p);
    canvas_->MoveTo(m.x - 2, m.y);
    canvas_->LineTo(m.x + 3, m.y);
    canvas_->MoveTo(m.x, m.y - 2);
    canvas_->LineTo(m.x, m.y + 3);
}

void GOrient::MinusSign(Pt p) const
{
    Pt m = Map(p);
    canvas_->MoveTo(m.x - 2, m.y);
    canvas_->LineTo(m.x + 3, m.y);
}

Box GOrient::BoundingBox(Pt corner1, Pt corner2) const
{
    Pt a = Map(corner1), b = Map(corner2);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

void GOrient::Rectangle(Pt corner1, Pt corner2) const
{
    Box box = BoundingBox(corner1, corner2);
    canvas_->Rectangle(box.Left, box.Top, box.Right + 1, box.Bottom + 1);
}

void GOrient::Arc(Pt corner1, Pt corner2, Pt start, Pt end) const
{
    Pt a = Map(corner1), b = Map(corner2), s = Map(start), e = Map(end);
    canvas_->Arc(a.x, a.y, b.x, b.y, s.x, s.y, e.x, e.y);
}

void GOrient::Circle(Pt centre, int radius) const
{
    Pt m = Map(centre);
    canvas_->Ellipse(m.x - radius, m.y - radius, m.x + radius + 1, m.y + radius + 1);
}

void GOrient::Arrow(int x, int y, int len) const
{
    int head = len >= 0 ? y + len - 2 : y + len + 2;
    Polyline({{x, y}, {x, y + len}, {x - 2, head}, {x + 2, head}, {x, y + len}});
}

void GOrient::Label(Pt p, const std::string& text, bool rotate) const
{
    TFont saved = canvas_->Font();
    unsigned savedAlign = canvas_->TextAlignment();
    TFont font;
    font.Name = "Arial";
    font.Height = -10;
    font.Weight = 400;
    font.Escapement = rotate ? LabelEscapement[orientation_] : 0;
    font.Color = clBlue;
    canvas_->SetFont(font);
    canvas_->SetTransparent(true);
    TSize size = canvas_->TextExtent(text);
    int w = size.cx, h = size.cy;
    Pt m = Map(p);
    if (rotate) {
        canvas_->SetTextAlign(TextAlign::Left | TextAlign::Top);
        if (swap_)
            canvas_->TextOut(m.x - h / 2, m.y + w / 2, text);
        else
            canvas_->TextOut(m.x - w / 2, m.y - h / 2, text);
    } else if (swap_) {
        canvas_->SetTextAlign(TextAlign::Center | (p.x * ySign_ < 0 ? TextAlign::Bottom : TextAlign::Top));
        canvas_->TextOut(m.x, m.y, text);
    } else {
        canvas_->SetTextAlign((p.x * xSign_ < 0 ? TextAlign::Right : TextAlign::Left) | TextAlign::Top);
        canvas_->TextOut(m.x, m.y - h / 2, text);
    }
    canvas_->SetTextAlign(savedAlign);
    canvas_->SetFont(saved);
}
