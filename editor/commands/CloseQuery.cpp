#include "editor/commands/CloseQuery.h"

std::string CloseQuestion(const Schematic& schematic)
{
    return schematic.FileName + "\r\nCircuit has been modified !\r\nSave current file ?";
}

bool MayClose(const Schematic& schematic, const std::function<CloseAnswer(const std::string&)>& ask,
              const std::function<bool()>& save)
{
    if (!schematic.Modified)
        return true;
    switch (ask(CloseQuestion(schematic))) {
    case CloseAnswer::Yes: return save();
    case CloseAnswer::No: return true;
    default: return false;
    }
}
