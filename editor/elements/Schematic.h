#pragma once
// The data of one schematic window, kept apart from the window so that node
// numbering and the writers work on it alone.
#include "editor/elements/GCompo.h"

#include <memory>
#include <string>
#include <vector>

struct Schematic {
    // Owned; list order is drawing order, file order and netlist order.
    std::vector<std::unique_ptr<GCompo>> Parts;
    // Node labels made by node numbering, shown by the next paint.
    std::vector<std::unique_ptr<GCompo>> NodeLabels;
    std::string FileName;
    bool Modified = false;
    int NodeCount = 0;  // after the last node numbering, ground included
    int PortCount = 0;  // subcircuit: 1 + the number of ports; otherwise 0
    std::string AppLine;       // pending ".APP" line of the next circuit file
    std::string SubcktHeader;  // the ".SUBCKT" line of a subcircuit
    bool IsSubcircuit = false;
};
