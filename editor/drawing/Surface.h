#pragma once
// The drawing surface of a schematic window: a white 1000 x 1000 area with a
// silver 10-pixel grid, on which the parts are painted in list order.
#include "editor/elements/GOrient.h"
#include "editor/elements/Schematic.h"

constexpr int SurfaceWidth = 1000;
constexpr int SurfaceHeight = 1000;

// A final drawing of the part on another canvas; the part keeps its own.
void DrawFinalOn(GCompo& part, TCanvas& canvas, bool colourByNode);

// The whole surface: white, the grid when on, every part in final mode (wires
// in node colours while node labels are pending), then the node labels, which
// are freed: they show until the next repaint.
void PaintSurface(Schematic& schematic, TCanvas& canvas, bool grid);

// The part's box as last drawn with top above bottom (a rising wire's box has
// them the other way round).
Box NormalBox(const GCompo& part);

// After a final drawing: moves a part whose box leaves the surface by whole
// grid steps back onto it (a wire: each end) and draws it again there.
void KeepOnSurface(GCompo& part);
