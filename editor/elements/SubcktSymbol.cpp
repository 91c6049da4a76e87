#include "editor/elements/SubcktSymbol.h"

#include "formats/Tokens.h"

#include <cstdio>
#include <vector>

namespace {

// A size of 1..12 grid units, in pixels.
bool ReadSize(const std::string& token, std::int8_t& pixels)
{
    if (token.empty() || token.size() > 2)
        return false;
    int units = 0;
    for (char ch : token) {
        if (ch < '0' || ch > '9')
            return false;
        units = units * 10 + (ch - '0');
    }
    if (units < 1 || units > 12)
        return false;
    pixels = static_cast<std::int8_t>(units * 10);
    return true;
}

bool ReadPin(const std::string& token, SubcktPin& pin)
{
    if (token.size() < 2)
        return false;
    char side = token[0], digit = token[1];
    if ((side != 'B' && side != 'L' && side != 'R' && side != 'T') || digit < '0' || digit > '9')
        return false;
    pin.Side = side;
    pin.Offset = static_cast<std::int8_t>((digit - '0') * 10);
    return true;
}

}  // namespace

bool ParseSymbolLine(const std::string& line, SubcktSymbol& symbol)
{
    std::vector<std::string> tokens = SplitBlanks(line);
    if (tokens.size() < 2 || !ReadSize(tokens[0], symbol.Width) || !ReadSize(tokens[1], symbol.Height))
        return false;
    symbol.PinCount = 0;
    for (std::size_t i = 2; i < tokens.size() && symbol.PinCount < 4; ++i)
        if (!ReadPin(tokens[i], symbol.Pins[symbol.PinCount++]))
            return false;
    return true;
}

SubcktSymbol ReadSubcktSymbol(const std::string& folder, const std::string& name)
{
    std::FILE* file = std::fopen((folder + name + ".sbc").c_str(), "rb");
    if (!file)
        throw SubcktUndefined(name);
    char buffer[1024];
    bool read = std::fgets(buffer, sizeof buffer, file) != nullptr;
    std::fclose(file);
    std::string line = read ? std::string(buffer) : std::string();
    std::size_t end = line.find_first_of("\r\n");
    if (end != std::string::npos)
        line.erase(end);
    SubcktSymbol symbol;
    if (!ParseSymbolLine(line, symbol))
        throw SubcktUndefined(name);
    return symbol;
}
