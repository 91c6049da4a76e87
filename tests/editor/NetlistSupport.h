#pragma once
// Parts with node numbers set by hand, for the netlist writers.
#include "editor/elements/Schematic.h"

#include <initializer_list>
#include <memory>
#include <string>

// A part of a kind with the given terminal nodes (default model parameters).
inline GCompo& AddNumbered(Schematic& schematic, char kind, const std::string& name,
                           std::initializer_list<int> nodes, double value = 1.0)
{
    auto part = std::make_unique<GCompo>(kind, nullptr, false, false, false);
    part->Name = name;
    part->Value = value;
    for (int node : nodes)
        part->Node[part->TermCount++] = static_cast<std::uint16_t>(node);
    schematic.Parts.push_back(std::move(part));
    return *schematic.Parts.back();
}

// A subcircuit instance with its nodes, without a symbol file.
inline GCompo& AddInstance(Schematic& schematic, const std::string& name, const std::string& subcircuit,
                           std::initializer_list<int> nodes)
{
    GCompo& x = AddNumbered(schematic, 'X', name, nodes, 0.0);
    x.Text = subcircuit;
    return x;
}

// Sets the five model parameters.
inline void SetParams(GCompo& part, double p0, double p1, double p2, double p3, double p4)
{
    double values[5] = {p0, p1, p2, p3, p4};
    for (int i = 0; i < 5; ++i)
        part.Param[i] = values[i];
}
