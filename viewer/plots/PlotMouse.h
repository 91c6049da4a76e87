#pragma once
// The mouse over a plot: the zoom band and the cursor line, drawn not-xor on
// the plot's surface, and the readouts of the cursor window.
#include <array>
#include <string>

#include "platform/Canvas.h"

class FDT;

enum class MouseCursor { Default, Cross, UpArrow };

// The cursor window's edits: Edit1 the abscissa, Edit2..Edit7 curves 1..6.
inline constexpr int kCursorEdits = 7;
inline constexpr int kCursorEditTops[kCursorEdits] = {8, 34, 58, 82, 106, 130, 154};
inline constexpr int kCursorEditHeight = 21;
inline constexpr TColor kCursorEditColours[kCursorEdits] = {clBlack,   clBlue,   clRed, clGreen,
                                                            clFuchsia, clMaroon, clGray};
inline constexpr int kCursorDesignedHeight = 56;

struct CursorReadouts {
    std::array<std::string, kCursorEdits> texts;
    int clientHeight = kCursorDesignedHeight;
};

// Strictly inside the plot frame of the last drawing.
bool InsideFrame(const FDT& f, int x, int y);
// The sample under column x, limited to 0..200.
int SampleAt(const FDT& f, int x);
// The abscissa and every curve's value at sample u, 6 significant digits; an
// invalid sample reads empty. The client height shows the edits filled.
CursorReadouts ReadoutsAt(const FDT& f, int u);
// The zoom applies to Gain, Phase, Delay and Loss.
bool Zoomable(int viewKind);

class PlotMouse {
public:
    struct Moved {
        MouseCursor cursor = MouseCursor::Default;
        bool readoutsChanged = false;  // copy Readouts() into the cursor window
    };

    void Down(const FDT& f, int x, int y);
    // Sets the zoomed flag from the zoom button and the view, then drags the
    // band or moves the cursor line; a cursor line that no longer belongs
    // (zoom pressed, cursor window hidden) is erased.
    Moved Move(FDT& f, TCanvas& canvas, int x, int y, bool zoomButtonDown, bool cursorVisible);
    // True when a zoom drag ended: the model is zoomed and the view must be
    // computed again.
    bool Up(FDT& f, int x, int y);
    // Erases the cursor line, if one is drawn (the cursor window went away).
    void EraseCursorLine(const FDT& f, TCanvas& canvas);
    // The plot was drawn afresh: neither band nor cursor line is on it now.
    void Forget();

    const CursorReadouts& Readouts() const { return readouts_; }
    bool Dragging() const { return dragging_; }
    int CursorX() const { return lastX_; }  // -100 when no line is drawn

private:
    void Band(TCanvas& canvas, int x, int y) const;
    void CursorLine(const FDT& f, TCanvas& canvas, int x) const;
    // A point limited to the frame: left + 1..right, top + 1..bottom.
    void Limit(const FDT& f, int& x, int& y) const;

    int lastX_ = -100, lastY_ = 0;
    int anchorX_ = 0, anchorY_ = 0;
    bool dragging_ = false;
    CursorReadouts readouts_;
};
