#pragma once
// The drawing transform of one element drawing: symbol frame to canvas in one
// of eight orientations, and the strokes of the symbols.
#include "platform/Canvas.h"

#include <initializer_list>
#include <string>

struct Pt {
    int x;
    int y;
};

struct Box {
    int Left;
    int Top;
    int Right;
    int Bottom;
};

class GOrient {
public:
    // Orientations 0..3 turn by 0, 90, 180, 270 degrees clockwise; 4..7 mirror
    // about the symbol's x axis first. Other values count modulo 8.
    GOrient(TCanvas* canvas, int x, int y, int orientation);

    Pt Map(Pt p) const;

    void Polyline(std::initializer_list<Pt> points) const;
    void PlusSign(Pt p) const;
    void MinusSign(Pt p) const;
    Box BoundingBox(Pt corner1, Pt corner2) const;
    void Rectangle(Pt corner1, Pt corner2) const;
    void Arc(Pt corner1, Pt corner2, Pt start, Pt end) const;
    void Circle(Pt centre, int radius) const;
    // A line from (x, y) of length len along the symbol's y axis with a head at its end.
    void Arrow(int x, int y, int len) const;
    // Blue text in a -10 pixel Arial, placed about the mapped point; rotate turns it
    // upright in the orientations that swap the axes.
    void Label(Pt p, const std::string& text, bool rotate) const;

private:
    TCanvas* canvas_;
    int x_;
    int y_;
    int orientation_;
    int xSign_;
    int ySign_;
    bool swap_;
};
