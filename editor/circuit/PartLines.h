#pragma once
// The circuit-file lines of the element parts of a schematic.
#include "editor/elements/GCompo.h"

#include <string>
#include <vector>

// Name, the node of every terminal, value and symbolic flag.
std::string GenericLine(const GCompo& part);

// Appends the lines of an element part: the generic line, the operational
// amplifier's, a model's, or a subcircuit instance's expansion followed by an
// empty line. Parts without terminals give none. Outputs and grounds are the
// caller's. False with a message when a subcircuit file cannot be read.
bool PartLines(const GCompo& part, int& counter, const std::string& subcktFolder,
               std::vector<std::string>& lines, std::string& error);
