#pragma once
// Running the external SPICE simulator on a netlist.
#include <string>
#include <vector>

struct ProgramCall {
    std::string Program;
    std::vector<std::string> Arguments;
};

// The simulator, the netlist path as one argument (blanks and all), then the
// options split at blanks.
ProgramCall SpiceCall(const std::string& program, const std::string& netlist, const std::string& options);

// Puts the analysis line in place of the third line from the end (the ".AC"
// line of an exported netlist, before ".PROBE" and ".END"); a netlist of fewer
// than three lines stays as it is.
void ApplyAnalysisLine(std::vector<std::string>& netlist, const std::string& analysis);
