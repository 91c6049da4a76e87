#pragma once
// The symbol of a subcircuit drawn from its ports (the voltage output markers in
// list order): box size and pin places in grid units, and the SPICE header.
#include "editor/elements/Schematic.h"

#include <string>

// The subcircuit's name: its file name without folder and extension.
std::string SubcircuitName(const Schematic& subcircuit);
// The same for a subcircuit schematic's path.
std::string SubcircuitName(const std::string& path);

// The number of ports.
int PortCount(const Schematic& subcircuit);

// The symbol line, the first line of the subcircuit file: width, height, then
// a side letter and grid position per port, each item followed by one blank
// ("4 4 L2 R2 "). Meant for at most four ports.
std::string SymbolLine(const Schematic& subcircuit);

// ".SUBCKT <name> 1 .. p".
std::string SubcktHeaderLine(const std::string& name, int ports);
