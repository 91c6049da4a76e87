#pragma once
// Selecting parts by click and by rubber band, and deleting the selection.
#include "editor/elements/GOrient.h"
#include "editor/elements/Schematic.h"

// Clears every selection unless shift is held, then inverts the selection of
// the first part the point hits; false when none is hit.
bool SelectAt(Schematic& schematic, int x, int y, bool shift);

// Selects exactly the parts whose box lies inside the band (a wire: both ends).
void SelectInside(Schematic& schematic, const Box& band);

// Frees the selected parts; their number.
int DeleteSelected(Schematic& schematic);
