#include "editor/analysis/ProgramCommand.h"

std::string StartFailureText(const ProgramCommand& command)
{
    return "Cannot start the analysis program \"" + command.Program + "\"";
}
