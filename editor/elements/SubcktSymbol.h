#pragma once
// The symbol line, the first line of a subcircuit file <name>.sbc: width and
// height in grid units, then up to four pins as side letter and grid offset.
#include "editor/elements/GCompo.h"
#include "editor/elements/VisibleName.h"

#include <stdexcept>
#include <string>

struct SubcktSymbol {
    std::int8_t Width = 0;   // pixels
    std::int8_t Height = 0;  // pixels
    SubcktPin Pins[4];
    int PinCount = 0;
};

// A subcircuit whose file is missing or whose symbol line is bad.
class SubcktUndefined : public std::runtime_error {
public:
    explicit SubcktUndefined(const std::string& name)
        : std::runtime_error("Error: SubCircuit " + VisibleName(name) + " Undefined!")
    {
    }
};

// False when the line lacks its two sizes (1..12 grid units) or holds a pin
// whose side is not B, L, R or T or whose offset is not one digit.
bool ParseSymbolLine(const std::string& line, SubcktSymbol& symbol);

// The symbol of <folder><name>.sbc; throws SubcktUndefined.
SubcktSymbol ReadSubcktSymbol(const std::string& folder, const std::string& name);
