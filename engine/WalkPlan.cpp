#include "engine/WalkPlan.h"

#include <bit>

WalkPlan::WalkPlan(const std::vector<Componente>& elements, const std::vector<int>& symbolMap, int picks,
                   bool signAlwaysSet, const Graphs& voltageGraph, const Graphs& currentGraph)
    : m(static_cast<int>(elements.size())), k(picks), signAlways(signAlwaysSet), words((m + 63) / 64 + (m == 0)),
      impedance(words), symbolic(words), reactive(words), negative(words), factor(words), voltage(voltageGraph),
      current(currentGraph)
{
    const int n = voltage.NodeCount();
    std::vector<int> lastV(n + 1, -1), lastI(n + 1, -1);
    for (int c = 0; c < m; ++c) {
        const Componente& e = elements[c];
        edges.push_back({e.vFrom, e.vTo, e.iFrom, e.iTo});
        controlled.push_back(e.controlled);
        symbol.push_back(static_cast<std::uint8_t>(symbolMap[c]));
        value.push_back(e.value);
        const std::uint64_t bit = std::uint64_t{1} << (c % 64);
        impedance[c / 64] |= e.impedance ? bit : 0;
        symbolic[c / 64] |= e.symbolic ? bit : 0;
        reactive[c / 64] |= e.reactive ? bit : 0;
        const bool unit = e.value == 1.0 || e.value == -1.0;
        negative[c / 64] |= !e.symbolic && e.value == -1.0 ? bit : 0;
        factor[c / 64] |= !e.symbolic && !unit ? bit : 0;
        lastV[e.vFrom] = lastV[e.vTo] = c;
        lastI[e.iFrom] = lastI[e.iTo] = c;
    }
    int symbols = 0, powers = 0;
    for (int w = 0; w < words; ++w) {
        symbols += std::popcount(symbolic[w]);
        powers += std::popcount(reactive[w]);
    }
    mayOverflow = symbols > 255 || powers > 255;
    voltage.TrackLastUse(lastV);
    current.TrackLastUse(lastI);
}
