#pragma once
// Numbers as the views write them.
#include <string>

// The C library's gcvt form with the given significant digits; a zero of
// either sign reads "0", a value that is no finite number nothing.
std::string ValueText(double v, int digits);
