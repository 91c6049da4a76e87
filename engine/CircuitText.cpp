#include "engine/CircuitText.h"

#include <cmath>
#include <cstdlib>

#include "formats/KindLetters.h"
#include "formats/NumberText.h"
#include "formats/Tokens.h"

namespace {

bool IsSpaceOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

// Removes characters with codes 0 to 32 from both ends.
std::string TrimLine(const std::string& line)
{
    std::size_t begin = 0, end = line.size();
    while (begin < end && IsSpaceOrControl(line[begin]))
        ++begin;
    while (end > begin && IsSpaceOrControl(line[end - 1]))
        --end;
    return line.substr(begin, end - begin);
}

// Tokens an element line needs, its name included: 7 for H, E, F, K, Y and N
// lines, 5 for the others (R, G, C, L, V, I with value and flag; O without).
std::size_t TokensNeeded(char kind)
{
    switch (kind) {
    case 'H': case 'E': case 'F': case 'K': case 'Y': case 'N':
        return 7;
    default:
        return 5;
    }
}

// Node tokens of an element line: 4 for H, E, F, K, Y, N and O, else 2.
std::size_t NodeTokens(char kind) { return kind == 'O' || TokensNeeded(kind) == 7 ? 4 : 2; }

// Node names beginning with '$' belong to the engine's own nodes.
bool ReservedNode(const std::string& name) { return !name.empty() && name[0] == '$'; }

// The number of a value token; false when it is not finite ("inf", "nan",
// 1e309), which no element or frequency can take.
bool FiniteValue(const std::string& token, double& value)
{
    value = StrToD(token);
    return std::isfinite(value);
}

// Takes the first count tokens after the keyword or name as node names.
bool TakeNodes(const std::vector<std::string>& t, std::size_t count, Statement& s)
{
    if (t.size() < 1 + count)
        return false;
    s.nodes.assign(t.begin() + 1, t.begin() + 1 + static_cast<long>(count));
    for (const std::string& node : s.nodes)
        if (ReservedNode(node))
            return false;
    return true;
}

bool ReadApp(const std::vector<std::string>& t, Statement& s)
{
    if (t.size() < 3)
        return false;
    char* end = nullptr;
    const long n = std::strtol(t[2].c_str(), &end, 10);
    if (*end != '\0' || n < 1 || n > kMaxAppFrequencies || t.size() < 3 + static_cast<std::size_t>(n)
        || !FiniteValue(t[1], s.value))
        return false;
    s.frequencies.assign(static_cast<std::size_t>(n), 0.0);
    for (std::size_t k = 0; k < s.frequencies.size(); ++k)
        if (!FiniteValue(t[3 + k], s.frequencies[k]))
            return false;
    return true;
}

bool ReadDirective(const std::vector<std::string>& t, Statement& s)
{
    const std::string keyword = UpperCase(t[0]);
    if (keyword == ".OUT") {
        s.type = Statement::Type::Out;
        return TakeNodes(t, 1, s);
    }
    if (keyword == ".IOUT") {
        s.type = Statement::Type::Iout;
        return TakeNodes(t, 2, s);
    }
    if (keyword == ".APP") {
        s.type = Statement::Type::App;
        return ReadApp(t, s);
    }
    s.type = Statement::Type::Directive;
    return true;
}

}  // namespace

bool ReadStatement(const std::string& raw, Statement& s)
{
    s = Statement();
    const std::string line = TrimLine(raw);
    if (line.empty() || line[0] == '*')
        return true;
    const std::vector<std::string> t = SplitBlanks(line);
    const char kind = UpperChar(line[0]);
    if (kind == '.')
        return ReadDirective(t, s);
    if (!Kind::IsCircuitElement(kind) || t.size() < TokensNeeded(kind))
        return false;
    s.type = Statement::Type::Element;
    s.kind = kind;
    s.name = t[0];
    const std::size_t nodes = NodeTokens(kind);
    if (!TakeNodes(t, nodes, s))
        return false;
    if (kind == 'O')
        return true;
    s.symbolic = !t[nodes + 2].empty() && t[nodes + 2][0] == '0';
    return FiniteValue(t[nodes + 1], s.value);
}

char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperCase(std::string text)
{
    for (char& c : text)
        c = UpperChar(c);
    return text;
}
