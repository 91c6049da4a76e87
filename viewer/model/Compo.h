#pragma once
// One element symbol of a network function as a result window knows it.
#include <string>
#include <utility>

struct Compo {
    std::string name;   // "$" for an element the engine treated as numeric
    double value = 0;   // for a source in the Phasor view, its magnitude
    double phase = 0;   // degrees; only sources get one, through the Phasor view
    int row = -1;       // row in the component grid; -1 for "$"

    explicit Compo(std::string symbol) : name(std::move(symbol)) {}
};
