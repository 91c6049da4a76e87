#pragma once
// The example schematics of examples/, drawn with the editing core as a user
// draws them (tools, clicks, turns, property dialogs), so that they can be
// made again whenever the core changes.
#include <string>
#include <vector>

// The example schematics, in the schematics folder.
extern const std::vector<std::string> ExampleSchematics;
// The files of the example subcircuit, in the subcircuit folder.
extern const std::vector<std::string> ExampleSubcircuitFiles;

// Draws every example: the subcircuit into subcktFolder (its schematic, symbol
// and SPICE files), then the schematics into folder. Both end with '/'.
void DrawExamples(const std::string& folder, const std::string& subcktFolder);
