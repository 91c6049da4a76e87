#pragma once
// What every netlist writer checks before it writes: each part as its
// property dialog would accept it (a damaged file may hold a name with a
// blank, which would shift the fields of its line, a name of another kind,
// which the engine would take for that kind, or a value that is zero or no
// number), and each subcircuit instance still fitting its subcircuit.
#include "editor/elements/Schematic.h"

#include <string>

// False with the message naming the first part that fails.
bool CheckParts(const Schematic& schematic, const std::string& subcktFolder, std::string& message);
