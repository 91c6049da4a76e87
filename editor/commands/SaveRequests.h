#pragma once
// The save dialogs that name a schematic before a command goes on.
#include "platform/Dialogs.h"

#include <string>

// The filters of the shell's file dialogs: schematics and results, and
// subcircuit schematics.
constexpr const char* kSchematicFilesFilter = "Files *.sch|*.sch|Files *.fdt|*.fdt";
constexpr const char* kSubcircuitFilesFilter = "SubCircuit Files|*.xch";

// The shell's "Save" dialog on its ".sch" filter, with an empty file name.
FileRequest SchematicNameRequest(const std::string& initialDir);

// "Save SubCircuit": a ".xch" file, starting in the subcircuit folder.
FileRequest SubcircuitNameRequest(const std::string& programFolder);
