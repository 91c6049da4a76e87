#include "editor/circuit/PartLines.h"

#include "editor/circuit/CircuitFields.h"
#include "editor/circuit/ModelLines.h"
#include "editor/circuit/SubcktExpansion.h"

std::string GenericLine(const GCompo& part)
{
    return part.Name + NodeFields(part) + ValueField(part) + SymbolicField(part);
}

bool PartLines(const GCompo& part, int& counter, const std::string& subcktFolder,
               std::vector<std::string>& lines, std::string& error)
{
    if (part.TermCount <= 0)
        return true;
    if (part.Kind == 'X') {
        if (!ExpandSubcircuit(part, counter, subcktFolder, lines, error))
            return false;
        lines.emplace_back();
    } else if (part.Kind == 'O') {
        // Output, ground, inverting input, non-inverting input.
        lines.push_back(part.Name + NodeField(part, 0) + " 0" + NodeField(part, 1) + NodeField(part, 2));
    } else if (IsModelKind(part.Kind)) {
        for (std::string& line : ModelLines(part, counter))
            lines.push_back(std::move(line));
    } else {
        lines.push_back(GenericLine(part));
    }
    return true;
}
