#include "editor/spice/SpiceRun.h"

#include "formats/Paths.h"
#include "formats/Tokens.h"

#include <algorithm>
#include <cctype>

ProgramCommand SpiceCall(const std::string& program, const std::string& netlist, const std::string& options)
{
    ProgramCommand call{program, {netlist}};
    for (const std::string& option : SplitBlanks(options))
        call.Arguments.push_back(option);
    return call;
}

bool IsNgspice(const std::string& program)
{
    std::string name = ExtractFileName(program).substr(0, 7);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name == "ngspice";
}

namespace {

// The netlist's path with another extension, never the netlist itself.
std::string OutputBeside(const std::string& netlist, const std::string& extension)
{
    std::string path = ChangeFileExt(netlist, extension);
    return path == netlist ? netlist + extension : path;
}

}  // namespace

SpiceStart SpiceStartFor(const std::string& program, const std::string& netlist,
                         const std::optional<std::string>& options)
{
    if (options || !IsNgspice(program)) {
        ProgramCommand call = SpiceCall(program, netlist, options.value_or("-r"));
        return {call, "Started \"" + program + "\" on \"" + netlist + "\""};
    }
    // ngspice reads its options after the netlist too.
    const std::string raw = OutputBeside(netlist, ".raw"), log = OutputBeside(netlist, ".log");
    return {{program, {netlist, "-b", "-o", log, "-r", raw}},
            "ngspice writes its results to \"" + raw + "\" and its messages to \"" + log + "\""};
}

void ApplyAnalysisLine(std::vector<std::string>& netlist, const std::string& analysis)
{
    if (netlist.size() >= 3)
        netlist[netlist.size() - 3] = analysis;
}
