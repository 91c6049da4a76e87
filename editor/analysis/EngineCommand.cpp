#include "editor/analysis/EngineCommand.h"

#include "formats/Handshake.h"

ProgramCommand EngineCommand(const std::string& programFolder, const std::string& circuitPath)
{
    return {EngineProgram(programFolder), {circuitPath}};
}
