#include "editor/editing/RubberBand.h"

#include <algorithm>

void RubberBand::Start(int x, int y)
{
    BandStartX = x;
    BandStartY = y;
    drawn_ = false;
    BandActive = true;
}

void RubberBand::Draw(TCanvas& canvas, int x, int y) const
{
    canvas.SetPenMode(PenMode::NotXor);
    canvas.SetPen(clBlack, 1);
    canvas.SetBrush(clWhite);
    canvas.Rectangle(BandStartX, BandStartY, x, y);
    canvas.SetPenMode(PenMode::Copy);
}

void RubberBand::Erase(TCanvas& canvas)
{
    if (drawn_)
        Draw(canvas, BandEndX, BandEndY);
    drawn_ = false;
}

void RubberBand::MoveTo(TCanvas& canvas, int x, int y)
{
    Erase(canvas);
    Draw(canvas, x, y);
    BandEndX = x;
    BandEndY = y;
    drawn_ = true;
}

Box RubberBand::End(TCanvas& canvas, int x, int y)
{
    BandActive = false;
    Erase(canvas);
    return {std::min(BandStartX, x), std::min(BandStartY, y), std::max(BandStartX, x), std::max(BandStartY, y)};
}
