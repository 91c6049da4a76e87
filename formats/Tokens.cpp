#include "formats/Tokens.h"

#include <algorithm>

std::vector<std::string> SplitBlanks(const std::string& line)
{
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        std::size_t start = line.find_first_not_of(' ', i);
        if (start == std::string::npos)
            break;
        i = std::min(line.find(' ', start), line.size());
        tokens.push_back(line.substr(start, i - start));
    }
    return tokens;
}

int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}
