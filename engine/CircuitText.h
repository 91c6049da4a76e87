#pragma once
// The circuit file's lexical rules, shared by the engine's two readers.
#include <string>
#include <vector>

// Removes characters with codes 0 to 32 from both ends.
std::string TrimLine(const std::string& line);

// Splits at blanks; a run of blanks is one separator, a tab is part of a token.
std::vector<std::string> Tokens(const std::string& line);

// ASCII upper case, for kind letters, keywords and case-insensitive names.
std::string UpperCase(std::string text);
char UpperChar(char c);

// A flag token that begins with '0' marks the element symbolic.
inline bool SymbolicFlag(const std::string& token) { return !token.empty() && token[0] == '0'; }
