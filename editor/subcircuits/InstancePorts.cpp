#include "editor/subcircuits/InstancePorts.h"

#include "editor/elements/SubcktSymbol.h"
#include "editor/elements/VisibleName.h"

bool CheckInstancePorts(const Schematic& schematic, const std::string& subcktFolder, std::string& message)
{
    for (const auto& part : schematic.Parts) {
        if (part->Kind != 'X')
            continue;
        int ports = 0;
        try {
            ports = ReadSubcktSymbol(subcktFolder, part->Text).PinCount;
        } catch (const SubcktUndefined& undefined) {
            message = undefined.what();
            return false;
        }
        if (ports < part->TermCount) {
            message = part->Name + " no longer fits SubCircuit " + VisibleName(part->Text) + " (" +
                      std::to_string(part->TermCount) + " terminals placed, " + std::to_string(ports) +
                      " now)! Place it again.";
            return false;
        }
    }
    return true;
}
