#pragma once
// Number texts used by both programs, always with '.' as the decimal point.
#include <string>

// The C library's gcvt: "%.*g" with the given significant digits.
std::string GcvtText(double value, int digits);

// The framework's FloatToStr: 15 significant digits, shortest form,
// scientific below 0.0001 and from 1E15 on ("1E-5", "1E15", "-2.5E-7").
std::string FloatToStr(double value);

// strtod with '.' whatever the locale; end (if given) is set past the number.
// A text that is not a number reads as 0 with end at text.
double StrToD(const char* text, const char** end = nullptr);
double StrToD(const std::string& text);
