#pragma once
// One placed element of a schematic: a circuit element, a wire, a free text, a
// ground, an output marker or a temporary node label.
#include "platform/Canvas.h"

#include <cstdint>
#include <string>

class ElementDialogs;
class GOrient;

// A coordinate on the nearest 10-pixel grid line, halves rounded up, truncating
// toward zero like the integer division it comes from.
constexpr std::int32_t SnapToGrid(std::int32_t v)
{
    return static_cast<std::int32_t>((static_cast<long long>(v) + 5) / 10 * 10);
}

struct SubcktPin {
    char Side = 'L';        // 'B', 'L', 'R' or 'T'
    std::int8_t Offset = 0;  // pixels along that side
};

class GCompo {
public:
    // An element of a kind letter; the options choose which optional transistor
    // parameters start non-zero.
    GCompo(char kind, TCanvas* canvas, bool option1, bool option2, bool option3);
    // A subcircuit instance with the symbol of <folder><name>.sbc; throws
    // SubcktUndefined when that file is missing or its symbol line is bad.
    GCompo(const std::string& subcircuit, TCanvas* canvas, const std::string& folder);
    // A copy onto a canvas, without name, position or selection.
    GCompo(const GCompo& other, TCanvas* canvas);
    GCompo(const GCompo&) = delete;
    GCompo& operator=(const GCompo&) = delete;

    // The value with an engineering prefix and the unit: "1.5 Kohm".
    std::string ValueText() const;
    // Whether a canvas point hits the element as last drawn.
    bool HitTest(int x, int y) const;
    // Places the origin and draws a ghost there.
    void SetPosition(int x, int y);
    // Erases the ghost and draws it again at the point less the grab offset.
    void MoveTo(int x, int y);

    // Final drawing snaps the origin to the grid; otherwise a not-xor ghost.
    // Both set the terminals and the bounding box.
    void Draw(bool final, bool colourByNode);
    void DrawLabel(bool final, int x, int y, bool rotate);
    void DrawTerminal(int x, int y);
    void DrawRichText(int x, int y, const std::string& text);

    // The property dialog of the element's kind; changes name, value, symbolic
    // flag and parameters when the user accepts.
    void Edit(ElementDialogs& dialogs);
    // The message that the OK of that dialog would show for the part as it is
    // (a name or value of a damaged file); empty when it would accept it. An
    // operational amplifier, which has no dialog, is checked for its name,
    // which the circuit file carries; markers, wires and texts have nothing
    // to check.
    std::string PropertyCheck() const;

    GOrient* Transform = nullptr;
    std::string Name;
    std::string Unit;
    double Value = 1.0;
    double Param[5] = {0, 0, 0, 0, 0};
    std::uint8_t Symbolic = 1;
    std::uint16_t Node[4] = {0, 0, 0, 0};
    std::int32_t TermX[4] = {0, 0, 0, 0};
    std::int32_t TermY[4] = {0, 0, 0, 0};
    std::int32_t TermCount = 0;
    TCanvas* Canvas = nullptr;
    std::uint8_t MoveWhole = 0;
    char Kind = 'R';
    std::int8_t SymWidth = 0;
    std::int8_t SymHeight = 0;
    SubcktPin Pin[4];
    std::int32_t X = -1000;
    std::int32_t Y = -1000;
    std::int32_t X2 = 0;
    std::int32_t Y2 = 0;
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    std::int32_t Orientation = 0;
    std::int32_t GrabDX = 0;
    std::int32_t GrabDY = 0;
    std::int32_t WireDX = 0;
    std::int32_t WireDY = 0;
    std::uint8_t StartFixed = 0;
    std::uint8_t Selected = 0;
    std::string Text;

private:
    void DrawSymbol(const GOrient& orient, bool final);
    void DrawSubcircuit(const GOrient& orient, bool final);
    void DrawWire(bool colourByNode);
    void DrawFreeText(bool final);
    void DrawNodeLabel();
};
