#include "engine/CircuitText.h"

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

std::vector<std::string> Tokens(const std::string& line)
{
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        std::size_t start = i;
        while (i < line.size() && line[i] != ' ')
            ++i;
        if (i > start)
            tokens.push_back(line.substr(start, i - start));
    }
    return tokens;
}

char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperCase(std::string text)
{
    for (char& c : text)
        c = UpperChar(c);
    return text;
}
