#pragma once
// Pens, fills and font sizes of the plots on a canvas.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Canvas.h"

// The framework's button colours in the classic scheme.
inline constexpr TColor clBtnShadow = clGray;
inline constexpr TColor clBtnFace = clSilver;

// A curve colour stored as 0xRRGGBB, as a canvas colour.
constexpr TColor CanvasColour(std::uint32_t rgb)
{
    return RGBColor(static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8), static_cast<int>(rgb));
}

// Fills the area (0, 0)..(w, h) white in copy mode.
void FillWhite(TCanvas& canvas, int w, int h);

// A horizontal or vertical line of the dotted pen (3 pixels on, 3 off) in
// the current pen colour, from (x1, y1) toward (x2, y2), the end excluded.
void DottedLine(TCanvas& canvas, int x1, int y1, int x2, int y2);

// The character height in pixels of a font size in points.
int FontHeight(int points, int pixelsPerInch);

// The canvas font at a size in points, bold or not.
TFont SizedFont(const TFont& font, int points, bool bold, int pixelsPerInch);

// sprintf "%g" of each grid value of an axis, in order; a zero reads "0".
// Where six significant digits would put a label off its line by more than
// a hundredth of the grid's step (a nearly flat curve, where neighbouring
// lines would read the same), every label gets the digits that place it.
std::vector<std::string> AxisLabels(const std::vector<double>& values);

// The labels of an axis at the left of the frame must fit into its margin:
// where the widest is wider than width pixels, the canvas font gets smaller
// (down to 7 pixels) so that it fits. The caller restores the font.
void FitLabels(TCanvas& canvas, const std::vector<std::string>& labels, int width);

// Labels of an axis below the frame, each centred on its x at y (the text
// alignment set by the caller), left to right: a label that would run into
// the one before it is left out.
struct AxisMark {
    int x;
    std::string text;
};
void DrawCentredLabels(TCanvas& canvas, const std::vector<AxisMark>& labels, int y);
