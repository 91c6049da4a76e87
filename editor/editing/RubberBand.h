#pragma once
// The rubber band of a selection: a not-xor rectangle from where it started to
// the mouse.
#include "editor/elements/GOrient.h"
#include "platform/Canvas.h"

class RubberBand {
public:
    void Start(int x, int y);
    // Removes the last rectangle and draws one to the point.
    void MoveTo(TCanvas& canvas, int x, int y);
    // Ends the band at the point, removes its rectangle and gives the band's box.
    Box End(TCanvas& canvas, int x, int y);
    // The surface was painted over: no rectangle is on it any more.
    void Forget() { drawn_ = false; }

    int BandStartX = 0;
    int BandStartY = 0;
    int BandEndX = 0;  // the corner of the rectangle on the surface, if any
    int BandEndY = 0;
    bool BandActive = false;

private:
    bool drawn_ = false;
    void Erase(TCanvas& canvas);
    void Draw(TCanvas& canvas, int x, int y) const;
};
