#pragma once
// The circuit-file lines of one element part: the generic line of a plain
// element, the op-amp line, and the element lines that the transistor models and
// the mutual inductance expand into. Internal model nodes are written " _<n>",
// n taken from the counter, which is advanced past the nodes used.
#include "editor/GCompo.h"

#include <string>
#include <vector>

// Appends the lines of an element part (any kind but outputs and subcircuits);
// a plain element gives its name, the node of every terminal, its value and
// its symbolic flag.
void AppendElementLines(const GCompo& part, int& counter, std::vector<std::string>& lines);
