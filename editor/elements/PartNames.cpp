#include "editor/elements/PartNames.h"

#include <algorithm>
#include <set>

std::string NewName(const Schematic& schematic, char kind)
{
    std::set<std::string> used;
    std::size_t count = 0;
    for (const auto& part : schematic.Parts)
        if (part->Kind == kind) {
            used.insert(part->Name);
            ++count;
        }
    std::string name;
    for (std::size_t number = count + 1;; ++number) {
        name = std::string(1, kind) + std::to_string(number);
        if (!used.count(name))
            return name;
    }
}

bool IsFileName(const std::string& name)
{
    return !name.empty() && std::none_of(name.begin(), name.end(), [](char ch) {
        unsigned char c = static_cast<unsigned char>(ch);
        return c <= ' ' || c == 0x7F || c == '#';
    });
}
