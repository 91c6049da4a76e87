#pragma once
// Saving a subcircuit: its symbol-and-element file "<name>.sbc" in the
// subcircuit folder and its SPICE definition "<name>.sp" beside its schematic.
#include "editor/elements/Schematic.h"

#include <string>
#include <vector>

// The subcircuit folder "SubCkt" in the program's folder, ending with '/'.
std::string SubcktFolder(const std::string& programFolder);

// The element lines of a numbered subcircuit, as the circuit file has them,
// with internal model nodes counted from 1 and every nested instance expanded
// from <subcktFolder><name>.sbc and followed by an empty line. False with a
// message at an independent source, a current output or a subcircuit file that
// cannot be read.
bool SubcircuitElementLines(const Schematic& subcircuit, const std::string& subcktFolder,
                            std::vector<std::string>& lines, std::string& error);

// Numbers the nodes of a named subcircuit schematic and writes
// <subcktFolder><name>.sbc, then sets its SPICE header and writes
// <schematic>.sp. False with a message: when a check or the .sbc fails
// (a name with blanks, control characters or '#', more than four ports, an
// independent source or current output, a failed expansion or write) nothing
// is written and the header stays; when only the SPICE text fails (a number
// SPICE cannot take, a failed write) the .sbc is saved and the old .sp kept.
bool SaveSubcircuit(Schematic& subcircuit, TCanvas* canvas, const std::string& subcktFolder,
                    std::string& error);
