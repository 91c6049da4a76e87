#pragma once
// Saving a subcircuit: its symbol-and-element file "<name>.sbc" in the
// subcircuit folder and its SPICE definition "<name>.sp" beside its schematic.
#include "editor/Schematic.h"

#include <functional>
#include <string>
#include <vector>

// Expands a subcircuit instance nested in the subcircuit into its element
// lines (each ended by CR LF), advancing the internal-node counter; false with
// a message when its subcircuit file cannot be read.
using ExpandInstance =
    std::function<bool(const GCompo& instance, int& counter, std::string& text, std::string& error)>;

// The element lines of a numbered subcircuit, as the circuit file has them,
// with internal model nodes counted from 1 and every nested instance's lines as
// one entry. False with a message at an independent source or a failed expansion.
bool SubcircuitElementLines(const Schematic& subcircuit, const ExpandInstance& expand,
                            std::vector<std::string>& lines, std::string& error);

// Numbers the nodes of a named subcircuit schematic, sets its SPICE header and
// writes <subcktFolder><name>.sbc and <schematic>.sp. False with a message
// (more than four ports, an independent source, a failed expansion or write);
// nothing is written when a check fails.
bool SaveSubcircuit(Schematic& subcircuit, TCanvas* canvas, const std::string& subcktFolder,
                    const ExpandInstance& expand, std::string& error);
