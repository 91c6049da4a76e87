#pragma once
// Names of parts: the automatic name of a new part and the check of a typed one.
#include "editor/elements/Schematic.h"

#include <string>

// The kind letter and the first number, from the count of parts of that kind
// plus one upwards, that no part of the kind carries (with R1 and R3 present
// the next resistor is R4). Kind letters compare exactly.
std::string NewName(const Schematic& schematic, char kind);

// Whether a name can stand in the schematic and circuit files: not empty, and
// without blanks, control characters or '#', which would split its line.
bool IsFileName(const std::string& name);
