#include "viewer/texts/FloatText.h"

#include <cmath>

#include "formats/NumberText.h"

bool ReadFloatText(const std::string& text, double& value)
{
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return false;
    std::string number = text.substr(first, text.find_last_not_of(' ') + 1 - first);
    // Decimal digits, sign, point and exponent only: no "inf", "nan" or hex.
    if (number.find_first_not_of("0123456789+-.eE") != std::string::npos)
        return false;
    const char* end = nullptr;
    value = StrToD(number.c_str(), &end);
    return end == number.c_str() + number.size() && std::isfinite(value);
}

std::string FloatConversionError(const std::string& text) { return "'" + text + "' is not a valid floating point value"; }
