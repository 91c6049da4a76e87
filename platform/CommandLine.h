#pragma once
// The command-line tail: the program's arguments as given, joined by single
// blanks, taken before Qt can see (and swallow) any of them.
#include <string>

std::string CommandLineTail(int argc, const char* const* argv);
