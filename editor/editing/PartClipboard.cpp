#include "editor/editing/PartClipboard.h"

#include "editor/editing/Selection.h"

void PartClipboard::Fill(const Schematic& schematic, bool keepNames)
{
    parts_.clear();
    const GCompo* reference = nullptr;
    for (auto it = schematic.Parts.rbegin(); it != schematic.Parts.rend(); ++it) {
        const GCompo& part = **it;
        if (!part.Selected)
            continue;
        auto copy = std::make_unique<GCompo>(part, nullptr);
        if (keepNames)
            copy->Name = part.Name;
        if (!reference)
            reference = &part;
        copy->GrabDX = reference->X - part.X;
        copy->GrabDY = reference->Y - part.Y;
        if (part.Kind == 'W') {
            copy->StartFixed = 1;
            copy->WireDX = part.X2 - part.X;
            copy->WireDY = part.Y2 - part.Y;
            copy->MoveWhole = 1;
        }
        parts_.push_back(std::move(copy));
    }
}

void PartClipboard::Copy(const Schematic& schematic) { Fill(schematic, false); }

void PartClipboard::Cut(Schematic& schematic)
{
    Fill(schematic, true);
    DeleteSelected(schematic);
}

std::unique_ptr<GCompo> PartClipboard::Take(const GCompo& part, TCanvas* canvas)
{
    auto copy = std::make_unique<GCompo>(part, canvas);
    copy->Name = part.Name;
    copy->GrabDX = part.GrabDX;
    copy->GrabDY = part.GrabDY;
    copy->WireDX = part.WireDX;
    copy->WireDY = part.WireDY;
    copy->StartFixed = part.StartFixed;
    copy->MoveWhole = part.MoveWhole;
    return copy;
}
