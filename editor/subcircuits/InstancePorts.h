#pragma once
// A subcircuit instance keeps the terminals of the symbol it was placed with.
// Ports that its subcircuit gained since are internal nodes of the instance;
// a subcircuit that lost ports no longer fits.
#include "editor/elements/Schematic.h"

#include <string>

// Whether no instance has more terminals than its subcircuit file
// <subcktFolder><name>.sbc has ports. False with a message naming the first
// instance that has more or whose file is missing or bad.
bool CheckInstancePorts(const Schematic& schematic, const std::string& subcktFolder, std::string& message);
