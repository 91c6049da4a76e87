#pragma once
// "Spice Netlist" of a schematic window.
#include "editor/commands/CommandOutcome.h"

// A subcircuit window runs its subcircuit save, which writes its SPICE text
// with its ".SUBCKT" header. A normal window: unnamed, asks for a name; named,
// checks the parts (CheckParts) and writes <schematic>.cir, then opens the
// SPICE window on it, or, without a ground, says so (the netlist is written
// all the same). A failure is a message, nothing written.
CommandOutcome CreateNetlist(Schematic& schematic, const CommandContext& context);
