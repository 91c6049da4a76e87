#pragma once
// One element of the engine's circuit: an edge of the voltage graph and an
// edge of the current graph, with the flags that decide its part in a term.
#include <string>

#include "engine/CircuitText.h"

struct Componente {
    std::string name;        // one blank for internal elements and nullors
    int vFrom = 0, vTo = 0;  // voltage-graph edge
    int iFrom = 0, iTo = 0;  // current-graph edge
    double value = 0.0;
    bool symbolic = true;
    bool controlled = false;
    bool reactive = false;   // contributes one power of s (C, L, K)
    bool impedance = false;  // counts when outside the tree (L, R, Y, K)

    // The kind letter: the name's first character, upper-cased.
    char Kind() const { return name.empty() ? ' ' : UpperChar(name[0]); }
};
