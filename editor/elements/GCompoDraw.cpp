#include "editor/elements/GCompo.h"
#include "editor/elements/GOrient.h"

namespace {

// Wire colours after a node numbering, by node number modulo 10.
constexpr TColor WireColours[10] = {clBlue, clRed, clGreen, clFuchsia, clPurple,
                                    clGray, clOlive, clSilver, clLime, clAqua};

}  // namespace

void GCompo::Draw(bool final, bool colourByNode)
{
    if (final && Kind != 'T') {
        X = SnapToGrid(X);
        Y = SnapToGrid(Y);
    }
    if (MoveWhole && Kind == 'W') {
        X2 = X + WireDX;
        Y2 = Y + WireDY;
    }
    if (final) {
        if (X < 0)
            X = 30;
        if (Y < 0)
            Y = 30;
    }
    Canvas->SetPenMode(final ? PenMode::Copy : PenMode::NotXor);
    Canvas->SetTransparent(true);
    GOrient orient(Canvas, X, Y, Orientation);
    Transform = &orient;
    switch (Kind) {
    case 'W': DrawWire(colourByNode); break;
    case 'T': DrawFreeText(final); break;
    case 't': DrawNodeLabel(); break;
    case 'X': DrawSubcircuit(orient, final); break;
    default: DrawSymbol(orient, final); break;
    }
    if (Selected && Kind != 'W') {
        Canvas->SetPen(clRed);
        Canvas->MoveTo(Left, Top);
        Canvas->LineTo(Right, Top);
        Canvas->LineTo(Right, Bottom);
        Canvas->LineTo(Left, Bottom);
        Canvas->LineTo(Left, Top);
        Canvas->SetPen(clBlack);
    }
    Transform = nullptr;
}

void GCompo::DrawLabel(bool final, int x, int y, bool rotate)
{
    for (int i = 0; i < TermCount; ++i)
        DrawTerminal(TermX[i], TermY[i]);
    if (!final || x == 0)
        return;
    std::string text = Name;
    if (Kind == 'X')
        text += " " + Text;
    if (Symbolic == 0)
        text = ValueText();
    if (Kind == 'n')
        text = "1 : " + text;
    Transform->Label({x, y}, text, rotate);
}

void GCompo::DrawTerminal(int x, int y)
{
    Canvas->SetBrush(clBlack);
    Canvas->Rectangle(x - 1, y - 1, x + 2, y + 2);
    Canvas->SetBrush(clWhite);
}

void GCompo::DrawWire(bool colourByNode)
{
    TermCount = 0;
    if (!StartFixed) {
        Canvas->Rectangle(X - 4, Y - 4, X + 4, Y + 4);
        return;
    }
    if (Selected)
        Canvas->SetPen(clRed, 2);
    if (colourByNode)
        Canvas->SetPen(WireColours[Node[0] % 10], 3);
    Canvas->MoveTo(X2, Y2);
    Canvas->LineTo(X, Y);
    Canvas->SetPen(clBlack, 1);
    if (X2 - X > 0) {
        Left = X;
        Top = Y;
        Right = X2;
        Bottom = Y2;
    } else {
        Left = X2;
        Top = Y2;
        Right = X;
        Bottom = Y;
    }
}
