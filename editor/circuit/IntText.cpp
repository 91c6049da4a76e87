#include "editor/circuit/IntText.h"

#include <limits>

int StrToIntDef(const std::string& text, int fallback)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos)
        return fallback;
    bool negative = text[i] == '-';
    if (text[i] == '+' || text[i] == '-')
        ++i;
    if (i == text.size())
        return fallback;
    const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                     : std::numeric_limits<int>::max();
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return fallback;
        value = value * 10 + (text[i] - '0');
        if (value > limit)
            return fallback;
    }
    return static_cast<int>(negative ? -value : value);
}
