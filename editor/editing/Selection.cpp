#include "editor/editing/Selection.h"

#include "editor/drawing/Surface.h"
#include "editor/elements/PartList.h"

#include <algorithm>

bool SelectAt(Schematic& schematic, int x, int y, bool shift)
{
    if (!shift)
        for (auto& part : schematic.Parts)
            part->Selected = 0;
    int hit = FirstHit(schematic, x, y);
    if (hit < 0)
        return false;
    GCompo& part = *schematic.Parts[static_cast<std::size_t>(hit)];
    part.Selected = !part.Selected;
    return true;
}

void SelectInside(Schematic& schematic, const Box& band)
{
    for (auto& part : schematic.Parts) {
        Box box = NormalBox(*part);
        part->Selected = box.Left >= band.Left && box.Right <= band.Right && box.Top >= band.Top &&
                         box.Bottom <= band.Bottom;
    }
}

int DeleteSelected(Schematic& schematic)
{
    auto& parts = schematic.Parts;
    auto kept = std::stable_partition(parts.begin(), parts.end(), [](const auto& part) { return !part->Selected; });
    int deleted = static_cast<int>(parts.end() - kept);
    parts.erase(kept, parts.end());
    return deleted;
}
