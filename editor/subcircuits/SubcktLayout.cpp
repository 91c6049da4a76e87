#include "editor/subcircuits/SubcktLayout.h"

#include "formats/Paths.h"

#include <algorithm>
#include <array>

namespace {

// Sides by orientation modulo 4.
constexpr std::array<char, 4> Sides = {'R', 'B', 'L', 'T'};

int SideOf(const GCompo& port) { return (port.Orientation % 4 + 4) % 4; }

// The side length in grid units for the larger port count of two facing sides.
int SizeFor(int ports) { return ports <= 2 ? 4 : ports == 3 ? 6 : 8; }

}  // namespace

std::string SubcircuitName(const Schematic& subcircuit) { return SubcircuitName(subcircuit.FileName); }

std::string SubcircuitName(const std::string& path) { return ExtractFileName(ChangeFileExt(path, "")); }

int PortCount(const Schematic& subcircuit)
{
    return static_cast<int>(std::count_if(subcircuit.Parts.begin(), subcircuit.Parts.end(),
                                          [](const auto& part) { return part->Kind == 'v'; }));
}

std::string SymbolLine(const Schematic& subcircuit)
{
    std::array<int, 4> count{};
    for (const auto& part : subcircuit.Parts)
        if (part->Kind == 'v')
            ++count[static_cast<std::size_t>(SideOf(*part))];
    int width = SizeFor(std::max(count[1], count[3]));
    int height = SizeFor(std::max(count[0], count[2]));
    std::string line = std::to_string(width) + " " + std::to_string(height) + " ";
    std::array<int, 4> seen{};
    for (const auto& part : subcircuit.Parts) {
        if (part->Kind != 'v')
            continue;
        std::size_t side = static_cast<std::size_t>(SideOf(*part));
        double length = side % 2 == 0 ? height : width;
        double g = ++seen[side] * length / (count[side] + 1);
        if (g > length / 2)
            g += 1;
        line += std::string(1, Sides[side]) + std::to_string(static_cast<int>(g)) + " ";
    }
    return line;
}

std::string SubcktHeaderLine(const std::string& name, int ports)
{
    std::string line = ".SUBCKT " + name;
    for (int i = 1; i <= ports; ++i)
        line += " " + std::to_string(i);
    return line;
}
