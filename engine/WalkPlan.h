#pragma once
// What every walker of one section's trees reads and none changes: the
// candidates' edges and flags, their symbol bytes and values as bit sets over
// the element indexes, and both graphs with the fixed edges in place.
#include <cstdint>
#include <vector>

#include "engine/Componente.h"
#include "engine/Graphs.h"

struct WalkPlan {
    struct Edges {
        int vFrom, vTo, iFrom, iTo;
    };
    using Bits = std::vector<std::uint64_t>;

    // picks: the elements a tree takes besides the fixed edges. signAlways:
    // every term carries its tree's sign (nullors, or the numerator), not only
    // the trees holding a controlled element. The graphs learn here which
    // candidates can still reach each component.
    WalkPlan(const std::vector<Componente>& elements, const std::vector<int>& symbolMap, int picks, bool signAlways,
             const Graphs& voltageGraph, const Graphs& currentGraph);

    int m;  // candidates, in element-list order
    int k;  // picks per tree
    bool signAlways;
    int words;  // 64-bit words of each bit set
    std::vector<Edges> edges;
    std::vector<std::uint8_t> controlled;
    std::vector<std::uint8_t> symbol;  // symbol index of each element
    std::vector<double> value;
    Bits impedance, symbolic, reactive;
    // Numeric elements: those of value 1 or -1 only set the sign (exactly as
    // a product with them would), the others are factors of the coefficient.
    Bits negative, factor;
    // More than 255 symbolic or reactive elements: a term may not fit its record.
    bool mayOverflow;
    Graphs voltage, current;
};
