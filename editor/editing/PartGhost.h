#pragma once
// A part that follows the mouse, shown as a not-xor ghost. It knows whether
// its ghost is on the surface, so that erasing never leaves a stray one: after
// a repaint there is none to erase.
#include "editor/elements/GCompo.h"

#include <memory>

class PartGhost {
public:
    // A part not shown yet.
    explicit PartGhost(std::unique_ptr<GCompo> part) : part_(std::move(part)) {}

    GCompo& Part() { return *part_; }
    const GCompo& Part() const { return *part_; }
    bool Shown() const { return shown_; }

    void Show();
    void Hide();
    // The surface was painted over: no ghost is on it any more.
    void Forget() { shown_ = false; }
    // Hides the ghost, lets the part change, shows it again.
    template <typename Change>
    void Redraw(Change change)
    {
        Hide();
        change(*part_);
        Show();
    }
    // The origin goes to the point less the grab offset (a wire: its moving end).
    void MoveTo(int x, int y);
    // Hides the ghost and hands the part over.
    std::unique_ptr<GCompo> Release();

private:
    std::unique_ptr<GCompo> part_;
    bool shown_ = false;
};
