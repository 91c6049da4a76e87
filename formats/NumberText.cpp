#include "formats/NumberText.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {

locale_t CLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
}

// Digits and decimal exponent of value rounded to at most 15 significant digits,
// trailing zeros removed.
void Decompose(double value, std::string& digits, int& exponent)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string text(buffer, result.ptr);
    std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    exponent = std::atoi(text.c_str() + e + 1);
    digits.clear();
    for (char ch : mantissa)
        if (ch >= '0' && ch <= '9')
            digits += ch;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
}

}  // namespace

std::string GcvtText(double value, int digits)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    std::string text(buffer, result.ptr);
    return text;
}

std::string FloatToStr(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0.0)
        return "0";
    std::string sign = std::signbit(value) ? "-" : "";
    std::string digits;
    int exponent = 0;
    Decompose(std::fabs(value), digits, exponent);
    if (exponent < -4 || exponent >= 15) {
        std::string text = sign + digits.substr(0, 1);
        if (digits.size() > 1)
            text += "." + digits.substr(1);
        return text + "E" + std::to_string(exponent);
    }
    if (exponent < 0) {
        std::string text = sign;
        text.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
        return text;
    }
    std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intDigits)
        return sign + digits + std::string(intDigits - digits.size(), '0');
    return sign + digits.substr(0, intDigits) + "." + digits.substr(intDigits);
}

double StrToD(const char* text, const char** end)
{
    char* stop = nullptr;
    double value = strtod_l(text, &stop, CLocale());
    if (end)
        *end = stop;
    return value;
}

double StrToD(const std::string& text) { return StrToD(text.c_str()); }
