#include "viewer/plots/PlotMouse.h"

#include <algorithm>

#include "formats/NumberText.h"
#include "viewer/model/FDT.h"
#include "viewer/plots/ValueText.h"

bool InsideFrame(const FDT& f, int x, int y)
{
    return f.frame.left < x && x < f.frame.right && f.frame.top < y && y < f.frame.bottom;
}

int SampleAt(const FDT& f, int x)
{
    int width = f.frame.right - f.frame.left;
    if (width <= 0)
        return 0;
    return std::clamp((x - f.frame.left) * 200 / width + 1, 0, 200);
}

CursorReadouts ReadoutsAt(const FDT& f, int u)
{
    CursorReadouts r;
    r.texts[0] = GcvtText(f.samples.x[u], 6);
    int last = 0;
    for (int c = 0; c < f.curveCount && c + 1 < kCursorEdits; ++c) {
        last = c + 1;
        r.texts[last] = f.samples.invalid[u][c] ? "" : ValueText(f.samples.y[u][c], 6);
    }
    r.clientHeight = kCursorEditTops[last] + kCursorEditHeight;
    return r;
}

bool Zoomable(int viewKind)
{
    return viewKind == View::Gain || viewKind == View::Phase || viewKind == View::Delay || viewKind == View::Loss;
}

namespace {

bool HasCursorLine(int viewKind)
{
    return viewKind == View::Gain || viewKind == View::Phase || viewKind == View::Delay || viewKind == View::Step
           || viewKind == View::Impulse;
}

}  // namespace

void PlotMouse::Down(const FDT& f, int x, int y)
{
    if (!f.zoomed || !InsideFrame(f, x, y))
        return;
    dragging_ = true;
    anchorX_ = lastX_ = x;
    anchorY_ = lastY_ = y;
}

PlotMouse::Moved PlotMouse::Move(FDT& f, TCanvas& canvas, int x, int y, bool zoomButtonDown, bool cursorVisible)
{
    f.zoomed = zoomButtonDown && Zoomable(f.GetViewKind());
    Moved moved;
    moved.cursor = f.zoomed ? MouseCursor::Cross : cursorVisible ? MouseCursor::UpArrow : MouseCursor::Default;
    if (dragging_) {
        Limit(f, x, y);
        Band(canvas, lastX_, lastY_);
        Band(canvas, x, y);
        lastX_ = x;
        lastY_ = y;
    } else if (!f.zoomed && cursorVisible && HasCursorLine(f.GetViewKind())) {
        CursorLine(f, canvas, lastX_);
        if (InsideFrame(f, x, y)) {
            CursorLine(f, canvas, x);
            lastX_ = x;
            readouts_ = ReadoutsAt(f, SampleAt(f, x));
        } else {
            lastX_ = -100;
            int height = readouts_.clientHeight;
            readouts_ = CursorReadouts{};
            readouts_.clientHeight = height;
        }
        moved.readoutsChanged = true;
    } else {
        EraseCursorLine(f, canvas);
    }
    canvas.SetPenMode(PenMode::Copy);
    return moved;
}

void PlotMouse::EraseCursorLine(const FDT& f, TCanvas& canvas)
{
    if (dragging_ || lastX_ == -100)
        return;
    CursorLine(f, canvas, lastX_);
    canvas.SetPenMode(PenMode::Copy);
    lastX_ = -100;
}

bool PlotMouse::Up(FDT& f, int x, int y)
{
    if (!dragging_)
        return false;
    dragging_ = false;
    Limit(f, x, y);
    f.Zoom(anchorX_, anchorY_, x, y);
    lastX_ = -100;
    return true;
}

void PlotMouse::Forget()
{
    lastX_ = -100;
    dragging_ = false;
}

void PlotMouse::Band(TCanvas& canvas, int x, int y) const
{
    canvas.SetPenMode(PenMode::NotXor);
    canvas.SetPen(clRed, 1);
    canvas.MoveTo(anchorX_, anchorY_);
    canvas.LineTo(x, anchorY_);
    canvas.LineTo(x, y);
    canvas.LineTo(anchorX_, y);
    canvas.LineTo(anchorX_, anchorY_);
}

void PlotMouse::CursorLine(const FDT& f, TCanvas& canvas, int x) const
{
    if (x == -100)
        return;
    canvas.SetPenMode(PenMode::NotXor);
    canvas.SetPen(clRed, 2);
    canvas.MoveTo(x, f.frame.top);
    canvas.LineTo(x, f.frame.bottom);
}

void PlotMouse::Limit(const FDT& f, int& x, int& y) const
{
    x = std::clamp(x, f.frame.left + 1, std::max(f.frame.left + 1, f.frame.right));
    y = std::clamp(y, f.frame.top + 1, std::max(f.frame.top + 1, f.frame.bottom));
}
