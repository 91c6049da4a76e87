#pragma once
// A drawing surface with the desktop framework's canvas semantics, in plain C++.
// Lines exclude their end pixel, rectangles and ellipses exclude their right and
// bottom edge, arcs run counter-clockwise; text is 8-bit bytes.
#include <cstdint>
#include <string>

// Colours as the framework stores them: 0x00BBGGRR.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

constexpr int RedOf(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr TColor RGBColor(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// How pen and brush combine with the surface (text is always copied).
enum class PenMode { Copy, NotXor };

// Text alignment flags; horizontal and vertical flags are or-ed.
namespace TextAlign {
constexpr unsigned Left = 0;
constexpr unsigned Right = 2;
constexpr unsigned Center = 6;
constexpr unsigned Top = 0;
constexpr unsigned Bottom = 8;
constexpr unsigned Baseline = 24;
constexpr unsigned HorizontalMask = 6;
constexpr unsigned VerticalMask = 24;
}  // namespace TextAlign

// Height below 0 is the character height in pixels; escapement in tenths of a
// degree, counter-clockwise.
struct TFont {
    std::string Name = "Arial";
    int Height = -11;
    int Weight = 400;
    int Escapement = 0;
    TColor Color = clBlack;
};

struct TSize {
    int cx = 0;
    int cy = 0;
};

class TCanvas {
public:
    virtual ~TCanvas() = default;

    virtual void SetPen(TColor color, int width = 1) = 0;
    virtual void SetBrush(TColor color) = 0;
    virtual void SetFont(const TFont& font) = 0;
    virtual const TFont& Font() const = 0;
    virtual void SetTextAlign(unsigned flags) = 0;
    virtual unsigned TextAlignment() const = 0;
    virtual void SetTransparent(bool transparent) = 0;
    virtual void SetPenMode(PenMode mode) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Border with the pen, inside with the brush, each pixel once.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // The part of the box's ellipse from the radial through (x3, y3)
    // counter-clockwise to the radial through (x4, y4).
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Width and height of the text in the current font, unturned.
    virtual TSize TextExtent(const std::string& text) = 0;
    virtual void SetPixel(int x, int y, TColor color) = 0;
};
