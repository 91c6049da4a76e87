#pragma once
// A canvas that records what is drawn; text is 6 pixels a character, 12 high.
#include "platform/Canvas.h"

#include <string>
#include <vector>

struct TextCall {
    int x;
    int y;
    std::string text;
    unsigned align;
    TFont font;
};

class RecordingCanvas : public TCanvas {
public:
    void SetPen(TColor color, int width = 1) override
    {
        pen = color;
        penWidth = width;
    }
    void SetBrush(TColor color) override { brush = color; }
    void SetFont(const TFont& f) override { font = f; }
    const TFont& Font() const override { return font; }
    void SetTextAlign(unsigned flags) override { align = flags; }
    unsigned TextAlignment() const override { return align; }
    void SetTransparent(bool t) override { transparent = t; }
    void SetPenMode(PenMode m) override { mode = m; }
    void MoveTo(int, int) override {}
    void LineTo(int x, int y) override { lines.push_back({x, y, pen, penWidth}); }
    void Rectangle(int x1, int y1, int x2, int y2) override { rectangles.push_back({x1, y1, x2, y2, brush}); }
    void Ellipse(int, int, int, int) override {}
    void Arc(int, int, int, int, int, int, int, int) override {}
    void TextOut(int x, int y, const std::string& text) override { texts.push_back({x, y, text, align, font}); }
    TSize TextExtent(const std::string& text) override { return {6 * static_cast<int>(text.size()), 12}; }
    void SetPixel(int, int, TColor) override {}

    struct Point {
        int x, y;
        TColor pen;
        int width;
    };
    struct Rect {
        int x1, y1, x2, y2;
        TColor brush;
    };
    std::vector<Point> lines;
    std::vector<Rect> rectangles;
    std::vector<TextCall> texts;
    TColor pen = clBlack;
    int penWidth = 1;
    TColor brush = clWhite;
    TFont font;
    unsigned align = 0;
    bool transparent = false;
    PenMode mode = PenMode::Copy;
};
