#include "engine/app/LogLines.h"

#include "formats/Paths.h"

std::string CircuitLine(const std::string& path, int branches, int nodes)
{
    return ExtractFileName(path) + ": " + std::to_string(branches) + " branches, " + std::to_string(nodes) +
           " nodes.";
}

std::string TermsLine(unsigned count)
{
    return std::to_string(count) + " Terms";
}

std::string TimeLine(std::uint32_t milliseconds)
{
    return "Time: " + std::to_string(milliseconds) + " millisec";
}

std::string OutLine(const std::string& fdtPath)
{
    return "Out in: " + fdtPath;
}
