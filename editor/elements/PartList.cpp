#include "editor/elements/PartList.h"

#include "editor/elements/PartNames.h"

#include <algorithm>
#include <string>

void AddComponent(Schematic& schematic, std::unique_ptr<GCompo> part)
{
    if (part->Kind != 'W' && part->Kind != 'T' && part->Name.empty())
        part->Name = NewName(schematic, part->Kind);
    schematic.Parts.push_back(std::move(part));
}

void Uniforma(Schematic& schematic, const GCompo& edited)
{
    if (std::string("vgWTOt").find(edited.Kind) != std::string::npos)
        return;
    for (auto& part : schematic.Parts) {
        if (part->Kind != edited.Kind || part->Name != edited.Name)
            continue;
        part->Value = edited.Value;
        part->Symbolic = edited.Symbolic;
        std::copy(edited.Param, edited.Param + 5, part->Param);
    }
}

int FirstHit(const Schematic& schematic, int x, int y, bool selectedOnly)
{
    for (std::size_t i = 0; i < schematic.Parts.size(); ++i) {
        const GCompo& part = *schematic.Parts[i];
        if ((!selectedOnly || part.Selected) && part.HitTest(x, y))
            return static_cast<int>(i);
    }
    return -1;
}
