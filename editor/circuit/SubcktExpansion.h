#pragma once
// Expansion of a subcircuit instance: the element lines of its file
// <folder><subcircuit>.sbc, renamed <element>_<instance>, with ports mapped to
// the instance's outer nodes, "0" to ground and every other node token to an
// internal node of this instance.
#include "editor/elements/GCompo.h"

#include <string>
#include <vector>

// Appends the rewritten lines and advances the counter by the internal nodes
// used. False with a message, lines and counter untouched, when the file cannot be read.
bool ExpandSubcircuit(const GCompo& instance, int& counter, const std::string& folder,
                      std::vector<std::string>& lines, std::string& error);

// Node tokens of a subcircuit element line by the first letter of its name.
int SubcktNodeCount(char first);
