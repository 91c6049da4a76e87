#pragma once
// "Complete Analysis" and "Approximate Analysis" of a schematic window: name
// the schematic when it has none, write its circuit file beside it, and start
// the engine on that file.
#include "editor/commands/CommandOutcome.h"

#include <string>

// Unnamed: asks for a name. Named: checks the parts (CheckParts), numbers the
// nodes, makes the checks of the circuit file and writes it, then starts Vimlo
// from the program's folder; a failed check or write is a message. The pending ".APP" line serves this run
// only, whatever its end.
CommandOutcome CompleteAnalysis(Schematic& schematic, const CommandContext& context);

// The complete analysis with the ".APP" line of the approximated-analysis
// dialog as the circuit file's second line. Asking for a name sets nothing.
CommandOutcome ApproximateAnalysis(Schematic& schematic, const std::string& appLine,
                                   const CommandContext& context);
