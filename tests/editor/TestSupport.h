#pragma once
// Shared fixtures: a subcircuit symbol file in a temporary folder; parts on given nodes.
#include "editor/elements/GCompo.h"
#include "tests/support/TempFolder.h"

#include <cstdint>
#include <initializer_list>
#include <memory>

// The subcircuit "amp": a 60 x 40 box with pins left 10, right 10, bottom 20, top 30.
inline void WriteAmpSymbol(const TempFolder& folder)
{
    WriteBytes(folder / "amp.sbc", "6 4 L1 R1 B2 T3 \r\nR1 1 2 1000\r\n");
}

// A part of a kind with its terminals on the given node numbers, not drawn.
inline std::unique_ptr<GCompo> PartOnNodes(char kind, const std::string& name, std::initializer_list<int> nodes,
                                           bool options = false)
{
    auto part = std::make_unique<GCompo>(kind, nullptr, options, options, options);
    part->Name = name;
    part->TermCount = static_cast<int>(nodes.size());
    int i = 0;
    for (int n : nodes)
        part->Node[i++] = static_cast<std::uint16_t>(n);
    return part;
}
