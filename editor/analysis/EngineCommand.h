#pragma once
// The command that starts the engine on a circuit file: the program Vimlo from
// the folder of the running program, with the whole path as its one argument.
#include "editor/analysis/ProgramCommand.h"

#include <string>

// programFolder ends with '/'.
ProgramCommand EngineCommand(const std::string& programFolder, const std::string& circuitPath);
