#pragma once
// A canvas that draws on another one shifted by an offset: the picture of a
// schematic is its parts drawn where they are, seen through a window.
#include "platform/Canvas.h"

class OffsetCanvas : public TCanvas {
public:
    // A point (x, y) lands at (x + dx, y + dy) of the target.
    OffsetCanvas(TCanvas& target, int dx, int dy) : target_(target), dx_(dx), dy_(dy) {}

    void SetPen(TColor color, int width = 1) override { target_.SetPen(color, width); }
    void SetBrush(TColor color) override { target_.SetBrush(color); }
    void SetFont(const TFont& font) override { target_.SetFont(font); }
    const TFont& Font() const override { return target_.Font(); }
    void SetTextAlign(unsigned flags) override { target_.SetTextAlign(flags); }
    unsigned TextAlignment() const override { return target_.TextAlignment(); }
    void SetTransparent(bool transparent) override { target_.SetTransparent(transparent); }
    void SetPenMode(PenMode mode) override { target_.SetPenMode(mode); }

    void MoveTo(int x, int y) override { target_.MoveTo(x + dx_, y + dy_); }
    void LineTo(int x, int y) override { target_.LineTo(x + dx_, y + dy_); }
    void Rectangle(int x1, int y1, int x2, int y2) override
    {
        target_.Rectangle(x1 + dx_, y1 + dy_, x2 + dx_, y2 + dy_);
    }
    void Ellipse(int x1, int y1, int x2, int y2) override { target_.Ellipse(x1 + dx_, y1 + dy_, x2 + dx_, y2 + dy_); }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
    {
        target_.Arc(x1 + dx_, y1 + dy_, x2 + dx_, y2 + dy_, x3 + dx_, y3 + dy_, x4 + dx_, y4 + dy_);
    }
    void TextOut(int x, int y, const std::string& text) override { target_.TextOut(x + dx_, y + dy_, text); }
    TSize TextExtent(const std::string& text) override { return target_.TextExtent(text); }
    void SetPixel(int x, int y, TColor color) override { target_.SetPixel(x + dx_, y + dy_, color); }

private:
    TCanvas& target_;
    int dx_;
    int dy_;
};
