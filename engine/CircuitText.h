#pragma once
// The circuit file's lexical rules, shared by the engine's two readers.
#include <string>
#include <vector>

// Removes characters with codes 0 to 32 from both ends.
std::string TrimLine(const std::string& line);

// Tokens an element line needs, its name included: 7 for H, E, F, K, Y and N
// lines, 5 for the others (R, G, C, L, V, I with value and flag; O without).
std::size_t TokensNeeded(char kind);
// Node tokens of an element line: 4 for H, E, F, K, Y, N and O, else 2.
std::size_t NodeTokens(char kind);
// Node names beginning with '$' belong to the engine's own nodes.
inline bool ReservedNode(const std::string& name) { return !name.empty() && name[0] == '$'; }

// ASCII upper case, for kind letters, keywords and case-insensitive names.
std::string UpperCase(std::string text);
char UpperChar(char c);

// The number of a value token; false when it is not finite ("inf", "nan",
// 1e309), which no element or frequency can take.
bool FiniteValue(const std::string& token, double& value);

// A flag token that begins with '0' marks the element symbolic.
inline bool SymbolicFlag(const std::string& token) { return !token.empty() && token[0] == '0'; }
