#pragma once
// Running the external SPICE simulator on a netlist.
#include "editor/analysis/ProgramCommand.h"

#include <optional>
#include <string>
#include <vector>

// The simulator, the netlist path as one argument (blanks and all), then the
// options split at blanks.
ProgramCommand SpiceCall(const std::string& program, const std::string& netlist, const std::string& options);

// Whether the program is ngspice: its file name, without folder and
// extension, begins with "ngspice" in any case.
bool IsNgspice(const std::string& program);

// What Run Spice starts, and the text that tells the user where the results go.
struct SpiceStart {
    ProgramCommand Command;
    std::string Status;
};

// The simulator's command for the options of the settings file. Without
// options (no such key), ngspice runs in batch mode and writes its results to
// <netlist>.raw and its messages to <netlist>.log beside the netlist; any
// other simulator gets "-r".
SpiceStart SpiceStartFor(const std::string& program, const std::string& netlist,
                         const std::optional<std::string>& options);

// Puts the analysis line in place of the third line from the end (the ".AC"
// line of an exported netlist, before ".PROBE" and ".END"); a netlist of fewer
// than three lines stays as it is.
void ApplyAnalysisLine(std::vector<std::string>& netlist, const std::string& analysis);
