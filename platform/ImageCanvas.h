#pragma once
// A canvas on a QImage: pen and brush strokes go pixel by pixel, so the
// not-xor mode and the excluded edges are exact.
#include "platform/Canvas.h"
#include "platform/PixelShapes.h"

#include <QFont>
#include <QImage>

class ImageCanvas : public TCanvas {
public:
    // A white image of that size.
    ImageCanvas(int width, int height);
    // A new white image of that size; pen, brush, font and modes stay.
    void Resize(int width, int height);

    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }
    TColor PixelAt(int x, int y) const;

    void SetPen(TColor color, int width = 1) override;
    void SetBrush(TColor color) override;
    void SetFont(const TFont& font) override;
    const TFont& Font() const override { return font_; }
    void SetTextAlign(unsigned flags) override { align_ = flags; }
    unsigned TextAlignment() const override { return align_; }
    void SetTransparent(bool transparent) override { transparent_ = transparent; }
    void SetPenMode(PenMode mode) override { mode_ = mode; }

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void TextOut(int x, int y, const std::string& text) override;
    TSize TextExtent(const std::string& text) override;
    void SetPixel(int x, int y, TColor color) override;

private:
    ClipBox Clip() const { return {image_.width(), image_.height()}; }
    void Paint(const std::vector<Pixel>& pixels, TColor color);
    void Paint(const std::vector<Span>& spans, TColor color);
    // A pixel of that colour over the one there, in the pen mode.
    QRgb Mixed(QRgb source, QRgb under) const;
    QFont QtFont() const;
    QString QtText(const std::string& text) const;

    QImage image_;
    TColor pen_ = clBlack;
    int penWidth_ = 1;
    TColor brush_ = clWhite;
    TFont font_;
    unsigned align_ = TextAlign::Left | TextAlign::Top;
    bool transparent_ = false;
    PenMode mode_ = PenMode::Copy;
    int penX_ = 0;
    int penY_ = 0;
};
