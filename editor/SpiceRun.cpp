#include "editor/SpiceRun.h"

#include "formats/Tokens.h"

ProgramCall SpiceCall(const std::string& program, const std::string& netlist, const std::string& options)
{
    ProgramCall call{program, {netlist}};
    for (const std::string& option : SplitBlanks(options))
        call.Arguments.push_back(option);
    return call;
}

void ApplyAnalysisLine(std::vector<std::string>& netlist, const std::string& analysis)
{
    if (netlist.size() >= 3)
        netlist[netlist.size() - 3] = analysis;
}
