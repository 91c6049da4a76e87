#include "editor/elements/GCompo.h"

#include "editor/elements/SubcktSymbol.h"
#include "formats/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

void SetModelDefaults(GCompo& c, bool option1, bool option2, bool option3)
{
    double* p = c.Param;
    switch (c.Kind) {
    case 'Q':
        p[0] = 1000;
        p[1] = option1 ? 0.00025 : 0.0;
        p[2] = 100;
        p[3] = option2 ? 2.5e-05 : 0.0;
        break;
    case 'q':
        p[0] = 0.001;
        p[1] = option1 ? 1e-10 : 0.0;
        p[2] = option2 ? 3e-12 : 0.0;
        p[3] = option3 ? 1.25e-05 : 0.0;
        p[4] = 0.05;
        break;
    case 'M':
        p[0] = option1 ? 1e-12 : 0.0;
        p[1] = option2 ? 1e-12 : 0.0;
        p[2] = 0.02;
        p[3] = 2e-05;
        p[4] = option3 ? 1e-12 : 0.0;
        break;
    case 'K':
        p[0] = p[1] = p[2] = 1.0;
        break;
    default:
        break;
    }
}

}  // namespace

GCompo::GCompo(char kind, TCanvas* canvas, bool option1, bool option2, bool option3)
    : Symbolic(kind == 'V' || kind == 'I' ? 0 : 1), Canvas(canvas), Kind(kind)
{
    SetModelDefaults(*this, option1, option2, option3);
}

GCompo::GCompo(const std::string& subcircuit, TCanvas* canvas, const std::string& folder)
    : Value(0.0), Canvas(canvas), Kind('X'), Text(subcircuit)
{
    SubcktSymbol symbol = ReadSubcktSymbol(folder, subcircuit);
    SymWidth = symbol.Width;
    SymHeight = symbol.Height;
    std::copy(symbol.Pins, symbol.Pins + 4, Pin);
    TermCount = symbol.PinCount;
}

GCompo::GCompo(const GCompo& other, TCanvas* canvas)
    : Value(other.Value), Symbolic(other.Symbolic), Canvas(canvas), Kind(other.Kind),
      Orientation(other.Orientation), Text(other.Text)
{
    std::copy(other.Param, other.Param + 5, Param);
    if (Kind == 'X') {
        SymWidth = other.SymWidth;
        SymHeight = other.SymHeight;
        std::copy(other.Pin, other.Pin + 4, Pin);
        TermCount = other.TermCount;
    }
}

std::string GCompo::ValueText() const
{
    struct Prefix {
        double divisor;
        const char* letter;
    };
    static const Prefix prefixes[] = {{1e9, "G"}, {1e6, "M"}, {1000, "K"}, {1, ""},
                                      {0.001, "m"}, {1e-6, "u"}, {1e-9, "n"}};
    Prefix chosen{1e-12, "p"};
    double a = std::fabs(Value);
    for (const Prefix& p : prefixes)
        if (a >= p.divisor) {
            chosen = p;
            break;
        }
    return GcvtText(Value / chosen.divisor, 5) + " " + chosen.letter + Unit;
}

bool GCompo::HitTest(int x, int y) const
{
    if (Kind != 'W')
        return Left <= x && x <= Right && Top <= y && y <= Bottom;
    long long px = x, py = y;
    if (Left == Right)
        return std::llabs(px - Left) <= 10 && py >= std::min(Top, Bottom) && py <= std::max(Top, Bottom);
    if (Top == Bottom)
        return std::llabs(py - Top) <= 10 && Left <= x && x <= Right;
    // Walk the wire pixel by pixel along its longer axis; the other coordinate
    // is a 32-bit float grown by the slope at each step, truncated.
    const long long dx = static_cast<long long>(Right) - Left, dy = static_cast<long long>(Bottom) - Top;
    if (std::llabs(dy) < dx) {
        const float slope = static_cast<float>(dy) / static_cast<float>(dx);
        float f = static_cast<float>(Top);
        for (long long i = Left; i <= Right; ++i, f += slope)
            if (std::llabs(px - i) <= 10 && std::llabs(py - static_cast<long long>(f)) <= 10)
                return true;
        return false;
    }
    const float slope = static_cast<float>(dx) / static_cast<float>(dy);
    float f = static_cast<float>(Top < Bottom ? Left : Right);
    for (long long j = std::min(Top, Bottom); j <= std::max(Top, Bottom); ++j, f += slope)
        if (std::llabs(px - static_cast<long long>(f)) <= 10 && std::llabs(py - j) <= 10)
            return true;
    return false;
}

void GCompo::SetPosition(int x, int y)
{
    X = x;
    Y = y;
    Draw(false, false);
}

void GCompo::MoveTo(int x, int y)
{
    Draw(false, false);
    SetPosition(x - GrabDX, y - GrabDY);
}
