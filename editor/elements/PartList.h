#pragma once
// Operations on the part list of a schematic: adding a part, spreading an
// edited value over the parts of one name, finding the part under a point.
#include "editor/elements/Schematic.h"

#include <memory>

// Names the part when it has none (every kind but wires and texts) and appends it.
void AddComponent(Schematic& schematic, std::unique_ptr<GCompo> part);

// Gives every part of the edited part's kind and exact name its value, symbolic
// flag and model parameters; nothing for markers, wires, texts and op-amps.
void Uniforma(Schematic& schematic, const GCompo& edited);

// The index of the first part in list order that the point hits (only selected
// parts when asked), or -1.
int FirstHit(const Schematic& schematic, int x, int y, bool selectedOnly = false);
