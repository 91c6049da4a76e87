#pragma once
// A canvas on a QPainter, for printers: strokes and text go to the painter
// as shapes, so a scaled painter prints them sharp at any resolution.
// Coordinates are pixels of the canvas; pixel (x, y) is the square from
// (x, y) to (x + 1, y + 1). Lines run from pixel centre to pixel centre,
// rectangles and ellipses exclude their right and bottom edge as on the
// screen. The not-xor mode needs a raster device (a QImage).
#include <QPainter>

#include "platform/Canvas.h"

class PainterCanvas : public TCanvas {
public:
    explicit PainterCanvas(QPainter& painter) : painter_(painter) {}

    void SetPen(TColor color, int width = 1) override;
    void SetBrush(TColor color) override { brush_ = color; }
    void SetFont(const TFont& font) override { font_ = font; }
    const TFont& Font() const override { return font_; }
    void SetTextAlign(unsigned flags) override { align_ = flags; }
    unsigned TextAlignment() const override { return align_; }
    void SetTransparent(bool transparent) override { transparent_ = transparent; }
    void SetPenMode(PenMode mode) override;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void TextOut(int x, int y, const std::string& text) override;
    TSize TextExtent(const std::string& text) override;
    void SetPixel(int x, int y, TColor color) override;

private:
    void UsePen();
    void UseBrush();

    QPainter& painter_;
    TColor pen_ = clBlack;
    int penWidth_ = 1;
    TColor brush_ = clWhite;
    TFont font_;
    unsigned align_ = TextAlign::Left | TextAlign::Top;
    bool transparent_ = false;
    int penX_ = 0;
    int penY_ = 0;
};
