#pragma once
// A subcircuit instance keeps the terminals of the symbol it was placed with;
// a subcircuit saved again since with another number of ports no longer fits.
#include "editor/Schematic.h"

#include <string>

// Whether every instance has as many terminals as its subcircuit file
// <subcktFolder><name>.sbc has ports. False with a message naming the first
// instance that differs or whose file is missing or bad.
bool CheckInstancePorts(const Schematic& schematic, const std::string& subcktFolder, std::string& message);
