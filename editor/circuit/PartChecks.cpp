#include "editor/circuit/PartChecks.h"

#include "editor/subcircuits/InstancePorts.h"

bool CheckParts(const Schematic& schematic, const std::string& subcktFolder, std::string& message)
{
    for (const auto& part : schematic.Parts) {
        std::string refused = part->PropertyCheck();
        if (refused.empty())
            continue;
        std::string which = part->Name.empty() ? std::string("A component ") + part->Kind + " without a name"
                                               : "Component \"" + part->Name + "\"";
        message = which + ": " + refused;
        return false;
    }
    return CheckInstancePorts(schematic, subcktFolder, message);
}
