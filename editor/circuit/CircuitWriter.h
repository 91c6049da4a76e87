#pragma once
// The circuit file (".crc") of a schematic, as "Complete Analysis" writes it
// beside the schematic before the engine starts: the title (the schematic's
// path), the pending ".APP" line, the lines of every part, ".END".
#include "editor/elements/Schematic.h"

#include <string>
#include <vector>

// The path of the circuit file of a schematic file.
std::string CircuitPath(const std::string& schematicPath);

// Takes the pending ".APP" line (cleared whatever follows), numbers the nodes
// (labels made on canvas), checks the circuit and builds the file's lines.
// False with the message to show when a check fails or a subcircuit file
// cannot be read. Subcircuit files are read from subcktFolder.
bool BuildCircuitLines(Schematic& schematic, TCanvas* canvas, const std::string& subcktFolder,
                       std::vector<std::string>& lines, std::string& message);

// Builds the lines and writes them to the circuit file of the named schematic,
// replacing an old file only when the new one is written whole. False with the
// message to show; no file is then written or changed.
bool WriteCircuitFile(Schematic& schematic, TCanvas* canvas, const std::string& subcktFolder,
                      std::string& circuitPath, std::string& message);
