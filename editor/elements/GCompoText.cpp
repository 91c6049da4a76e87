// Free texts with their markup, and node labels.
#include "editor/elements/GCompo.h"

#include <algorithm>

#include "formats/Tokens.h"

namespace {

constexpr char SuperscriptMarker = '\xE7';
constexpr char SubscriptMarker = '\xA3';

// The character coded by up to two hexadecimal digits, '#' when they are not.
char SymbolCode(const std::string& digits)
{
    int code = 0;
    for (char ch : digits) {
        int d = HexDigit(ch);
        if (d < 0)
            return '#';
        code = code * 16 + d;
    }
    return digits.empty() ? '#' : static_cast<char>(code);
}

void SetFontName(TCanvas* canvas, const char* name)
{
    TFont font = canvas->Font();
    font.Name = name;
    canvas->SetFont(font);
}

}  // namespace

void GCompo::DrawRichText(int x, int y, const std::string& text)
{
    int cx = x, cy = y;
    bool superscript = false, subscript = false;
    std::string rest = text;
    for (;;) {
        std::size_t at = std::min({rest.find('$'), rest.find(SuperscriptMarker), rest.find(SubscriptMarker)});
        if (at == std::string::npos)
            break;
        std::string before = rest.substr(0, at);
        Canvas->TextOut(cx, cy, before);
        TSize size = Canvas->TextExtent(before);
        cx += size.cx;
        char marker = rest[at];
        if (marker == '$') {
            std::string digits = rest.substr(at + 1, 2);
            std::string symbol(1, SymbolCode(digits));
            SetFontName(Canvas, "Symbol");
            Canvas->TextOut(cx, cy, symbol);
            cx += Canvas->TextExtent(symbol).cx;
            SetFontName(Canvas, "Arial");
            rest.erase(0, at + 1 + digits.size());
        } else if (marker == SuperscriptMarker) {
            cy = superscript ? y : cy - size.cy / 3;
            superscript = !superscript;
            rest.erase(0, at + 1);
        } else {
            cy = subscript ? y : cy + size.cy / 3;
            subscript = !subscript;
            rest.erase(0, at + 1);
        }
    }
    Canvas->TextOut(cx, cy, rest);
}

void GCompo::DrawFreeText(bool final)
{
    TermCount = 0;
    TSize size = Canvas->TextExtent(Text);
    Left = X;
    Top = Y;
    Right = X + size.cx;
    Bottom = Y + size.cy;
    if (final)
        DrawRichText(X, Y, Text);
    else
        Canvas->Rectangle(Left, Top, Right, Bottom);
}

void GCompo::DrawNodeLabel()
{
    TermCount = 0;
    TSize size = Canvas->TextExtent(Text);
    Left = X - 10;
    Top = Y - 15;
    Right = Left + size.cx;
    Bottom = Top + size.cy;
    Canvas->SetBrush(Symbolic ? clYellow : clLime);
    Canvas->Rectangle(Left - 2, Top, Right + 3, Bottom);
    TFont font = Canvas->Font();
    font.Color = Symbolic ? clBlue : clBlack;
    Canvas->SetFont(font);
    Canvas->SetTransparent(true);
    Canvas->SetTextAlign(TextAlign::Left | TextAlign::Top);
    Canvas->TextOut(Left, Top, Text);
    font.Color = clBlack;
    Canvas->SetFont(font);
    Canvas->SetBrush(clWhite);
}
