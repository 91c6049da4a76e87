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
