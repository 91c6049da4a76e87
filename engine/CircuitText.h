#pragma once
// The circuit file's statement rules, one reading for both of the engine's
// readers (the symbolic one and the numeric evaluator).
#include <string>
#include <vector>

// The most frequencies an ".APP" line may give.
inline constexpr int kMaxAppFrequencies = 10;

// One line after the title. A blank line or a comment ('*') is no statement.
// An element line names its kind (the upper-cased first character), its
// nodes, value and symbolic flag; a directive line (first character '.')
// names its keyword, and ".OUT", ".IOUT" and ".APP" their fields.
struct Statement {
    enum class Type { None, Element, Out, Iout, App, Directive };
    Type type = Type::None;
    char kind = 0;                    // of an element
    std::string name;                 // of an element
    std::vector<std::string> nodes;   // 2 or 4 of an element, 1 of .OUT, 2 of .IOUT
    double value = 0.0;               // of an element other than O; .APP: the maximum error in percent
    bool symbolic = false;            // of an element other than O: its flag begins with '0'
    std::vector<double> frequencies;  // of .APP
};

// False for a line the circuit file does not allow: an unknown kind, too few
// tokens, a node name of the engine's own ('$' first), a value that is not a
// finite number, an ".OUT" without its node, an ".IOUT" without both, an
// ".APP" without its count of 1 to 10 frequencies and all of them.
bool ReadStatement(const std::string& line, Statement& statement);

// ASCII upper case, for kind letters, keywords and case-insensitive names.
std::string UpperCase(std::string text);
char UpperChar(char c);
