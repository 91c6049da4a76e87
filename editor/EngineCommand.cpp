#include "editor/EngineCommand.h"

ProgramCommand EngineCommand(const std::string& programFolder, const std::string& circuitPath)
{
    return {programFolder + "Vimlo", {circuitPath}};
}
