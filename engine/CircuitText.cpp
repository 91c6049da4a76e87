#include "engine/CircuitText.h"

#include <cmath>

#include "formats/NumberText.h"

namespace {
bool IsSpaceOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }
}  // namespace

std::string TrimLine(const std::string& line)
{
    std::size_t begin = 0, end = line.size();
    while (begin < end && IsSpaceOrControl(line[begin]))
        ++begin;
    while (end > begin && IsSpaceOrControl(line[end - 1]))
        --end;
    return line.substr(begin, end - begin);
}

std::size_t TokensNeeded(char kind)
{
    switch (kind) {
    case 'H': case 'E': case 'F': case 'K': case 'Y': case 'N':
        return 7;
    default:
        return 5;
    }
}

std::size_t NodeTokens(char kind) { return kind == 'O' || TokensNeeded(kind) == 7 ? 4 : 2; }

char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperCase(std::string text)
{
    for (char& c : text)
        c = UpperChar(c);
    return text;
}

bool FiniteValue(const std::string& token, double& value)
{
    value = StrToD(token);
    return std::isfinite(value);
}
