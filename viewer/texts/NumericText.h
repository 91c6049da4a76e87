#pragma once
// The texts of the Numeric view (the first curve as a fraction with numeric
// coefficients) and of the Phasor view (the value at the start frequency).
#include <functional>
#include <string>
#include <vector>

class FDT;

// One piece of a row of the fraction, drawn left to right.
struct TextPiece {
    std::string text;
    bool bold = false;      // s and its exponent
    bool exponent = false;  // font size 8, raised by half a line
    bool gapAfter = false;  // one digit's width follows
    bool operator==(const TextPiece&) const = default;
};

struct NumericText {
    bool constant = false;  // only the value is drawn, no fraction
    std::string gain;       // K, or for a constant function its value
    std::vector<TextPiece> numerator, denominator;
};

// Five significant digits throughout; nothing when no coefficients were evaluated.
NumericText NumericTextOf(const FDT& f);

// A text at a point (its top-left corner) with its font.
struct PlacedText {
    std::string text;
    int x = 0, y = 0;
    int size = 10;
    bool bold = false;
    bool operator==(const PlacedText&) const = default;
};

struct NumericLayout {
    std::vector<PlacedText> texts;
    bool bar = false;  // the fraction bar from (barX1, barY) to (barX2, barY)
    int barX1 = 0, barX2 = 0, barY = 0;
};

// Width in pixels of a text at a font size and weight.
using TextWidth = std::function<int(const std::string& text, int size, bool bold)>;

// Places the texts; lineHeight and digitWidth are those of "0" at size 10.
NumericLayout LayoutNumeric(const NumericText& t, int lineHeight, int digitWidth, const TextWidth& width);

struct PhasorText {
    std::string frequency;  // size 10 at (10, 10)
    std::string value;      // size 12 at (10, 50); the degree sign is the byte 0xB0
};

PhasorText PhasorTextOf(const FDT& f);
