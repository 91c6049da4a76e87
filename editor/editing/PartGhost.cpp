#include "editor/editing/PartGhost.h"

void PartGhost::Show()
{
    if (shown_)
        return;
    part_->Draw(false, false);
    shown_ = true;
}

void PartGhost::Hide()
{
    if (!shown_)
        return;
    part_->Draw(false, false);
    shown_ = false;
}

void PartGhost::MoveTo(int x, int y)
{
    Redraw([x, y](GCompo& part) {
        part.X = x - part.GrabDX;
        part.Y = y - part.GrabDY;
    });
}

std::unique_ptr<GCompo> PartGhost::Release()
{
    Hide();
    return std::move(part_);
}
