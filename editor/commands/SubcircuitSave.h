#pragma once
// The save of a subcircuit window ("Save SubCircuit", and the shell's Save and
// Save As of such a window): its own schematic (".xch"), its symbol-and-element
// file in the subcircuit folder and its SPICE text beside the ".xch".
#include "editor/commands/CommandOutcome.h"

// A chosen name that a subcircuit cannot have (CheckSubcircuitName) is refused
// first, nothing written. Creates the subcircuit folder when missing. Unnamed:
// asks for a name in "Save SubCircuit" (Save As asks itself and passes the
// chosen name). Named: writes the ".xch" first, so that nothing drawn is lost,
// then checks its parts (CheckParts) and writes the ".sbc" and the ".sp".
// Nothing to do when all is written, else the message.
CommandOutcome SaveAsSubcircuit(Schematic& subcircuit, const CommandContext& context);
