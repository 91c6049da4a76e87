#pragma once
// The symbolic text file: one line per power of s with a non-zero sum, each
// followed by an empty line, the numerator, a rule, then the denominator.
#include <string>
#include <vector>

#include "viewer/texts/SOP.h"

// sums[k] is the sum of power k.
std::string SymbolicFileBytes(const std::vector<SOP>& numerator, const std::vector<SOP>& denominator);

// Writes "out.tmp" beside outPath and renames it over outPath: the old file
// stays until the new one is complete, and no "out.tmp" is left behind.
// False with the message when either step fails.
bool WriteSymbolicFile(const std::string& outPath, const std::string& bytes, std::string& error);
