#pragma once
// The circuit-file elements of the model parts: the h-parameter (Q) and
// hybrid-pi (q) transistors, the MOSFET (M) and the mutual inductance (K), each
// element named by a prefix and the part's name. A zero optional parameter
// leaves its element out.
#include "editor/elements/GCompo.h"

#include <string>
#include <vector>

bool IsModelKind(char kind);

// The lines of a model part; the internal nodes it needs come from the counter.
std::vector<std::string> ModelLines(const GCompo& part, int& counter);
