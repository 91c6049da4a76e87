#pragma once
// The schematic file (".sch", ".xch"): one '#'-separated line per part.
#include "editor/elements/Schematic.h"

#include <memory>
#include <string>

// The file line of a part.
std::string SchematicLine(const GCompo& part);

// The part of a file line; null for a line of no known kind. Subcircuit parts
// read <subcktFolder><name>.sbc and throw SubcktUndefined when it is missing or bad.
std::unique_ptr<GCompo> ReadSchematicLine(const std::string& line, TCanvas* canvas,
                                          const std::string& subcktFolder);

// Writes the parts to the schematic's file, replacing the old file only when the
// whole new one is written; clears Modified. False with a message otherwise.
bool SaveSchema(Schematic& schematic, std::string& error);

// Saves under a new name, which the schematic keeps when the write succeeds.
bool SaveSchemaAs(Schematic& schematic, const std::string& path, std::string& error);

// Reads a file into an empty schematic; lines of no known kind are passed
// over. On failure (unreadable file, missing subcircuit, a file with text but
// no part) no part stays and the message tells why.
bool LoadSchema(Schematic& schematic, const std::string& path, TCanvas* canvas,
                const std::string& subcktFolder, std::string& error);
