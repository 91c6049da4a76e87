#pragma once
// The parameter dialog's contents: the component list and six value edits,
// filled from a network function and applied back to it.
#include <array>
#include <string>
#include <vector>

#include "viewer/window/ComponentGrid.h"

class FDT;

struct ParamDialogState {
    std::vector<std::string> items;    // ListBox1: the grid's names
    std::array<std::string, 6> edits;  // Edit1..Edit6
    int selected = -1;                 // the selected item, -1 for none
};

// The grid's names; with several curves their values (6 significant digits)
// and the swept component selected, else the first item.
ParamDialogState FillParamDialog(const FDT& f, const std::vector<GridRow>& grid);

// "Delete All": the six edits emptied, the selection kept.
void DeleteAllValues(ParamDialogState& dialog);

// OK: the selected component is swept over the edits that are not blank, in order
// (strtod; the values close up over empty edits). Two or more values give
// that many curves. One value is no sweep: it becomes the component's own
// value, and its grid cell shows it. No value is no sweep either: the
// component keeps its value. Nothing changes without a selection, nor when
// an edit reads as no finite number ("1e999"): false with the text to show.
bool ApplyParamDialog(FDT& f, const ParamDialogState& dialog, std::vector<GridRow>& grid, std::string& error);
