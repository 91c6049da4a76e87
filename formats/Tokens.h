#pragma once
// Blank-separated fields of a text line.
#include <string>
#include <vector>

// The tokens between blanks; a run of blanks is one separator.
std::vector<std::string> SplitBlanks(const std::string& line);
