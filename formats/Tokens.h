#pragma once
// Blank-separated fields of a text line, and hexadecimal digits.
#include <string>
#include <vector>

// The tokens between blanks; a run of blanks is one separator.
std::vector<std::string> SplitBlanks(const std::string& line);

// The value of a hexadecimal digit of either case; -1 for any other character.
int HexDigit(char ch);
