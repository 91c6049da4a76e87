#pragma once
// The framework's StrToIntDef: leading blanks, an optional sign and decimal
// digits making up the whole rest of the text, within the 32-bit range;
// anything else gives the fallback.
#include <string>

int StrToIntDef(const std::string& text, int fallback);
