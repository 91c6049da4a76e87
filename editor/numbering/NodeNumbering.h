#pragma once
// Node numbering: nets from the geometry of the parts as last drawn. Ground is
// node 0, the other nets 1..N in the text order of their first numbers; in a
// subcircuit the voltage output markers are the ports 1..p.
#include "editor/elements/Schematic.h"

// Fills Node of every part, NodeCount, PortCount and NodeLabels (made on canvas).
void NumberNodes(Schematic& schematic, TCanvas* canvas);
