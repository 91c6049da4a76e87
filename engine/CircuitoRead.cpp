// Reading a circuit file into the two graphs' edge pairs.
#include <algorithm>
#include <cstdlib>

#include "engine/Circuito.h"
#include "engine/Graphs.h"
#include "formats/KindLetters.h"
#include "formats/NumberText.h"
#include "formats/Paths.h"
#include "formats/TextFile.h"

namespace {

const char kInternalName[] = " ";

// Tokens each statement needs, its name or keyword included.
std::size_t TokensNeeded(char kind)
{
    switch (kind) {
    case 'H': case 'E': case 'F': case 'K': case 'Y': case 'N':
        return 7;
    default:
        return 5;
    }
}

std::size_t NodeTokens(char kind) { return kind == 'O' || TokensNeeded(kind) == 7 ? 4 : 2; }

bool ReservedNode(const std::string& name) { return !name.empty() && name[0] == '$'; }

// Symbolic elements first, then numeric ones, each in byte order of their names.
bool BySymbol(const Componente& x, const Componente& y)
{
    if (x.symbolic != y.symbolic)
        return x.symbolic;
    return x.name < y.name;
}

}  // namespace

Circuito::Circuito(const std::string& path, bool fromCommandLine, EngineHost& host)
    : circuitPath(path), fdtPath(ChangeFileExt(path, ".fdt")), parPath(ChangeFileExt(path, ".par")),
      host_(host), asked_(!fromCommandLine)
{
    portNode_ = Node("$0");
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines)) {
        ok_ = false;
        host_.ShowMessage("Cannot open file \"" + path + "\"");
        return;
    }
    if (!Read(lines))
        return;
    SortElements();
    ListImpedances();
    if (approximation_ && !ComputeExactValues())
        return;
    nodeCount = static_cast<int>(nodes_.size());
    branchCount = static_cast<int>(elements_.size());
    if (!WriteParameterLines())
        return;
    if (!out_.Open(FdtTemp(), "wb"))
        Fail("Cannot create file \"" + fdtPath + "\"");
}

Circuito::~Circuito() { Discard(); }

bool Circuito::Read(const std::vector<std::string>& lines)
{
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (!ParseLine(lines[i])) {
            ok_ = false;
            host_.ShowMessage("Error in line " + std::to_string(i));
            return false;
        }
    }
    std::string missing;
    if (inputNode_ == -99)
        missing = "The circuit has no input source (a V or I line)!";
    else if (!hasOutput_)
        missing = "The circuit has no output (an .OUT or .IOUT line)!";
    if (!missing.empty()) {
        ok_ = false;
        host_.ShowMessage(missing);
        return false;
    }
    return true;
}

bool Circuito::ParseLine(const std::string& raw)
{
    const std::string line = TrimLine(raw);
    if (line.empty() || line[0] == '*')
        return true;
    const std::vector<std::string> t = Tokens(line);
    const char kind = UpperChar(line[0]);
    if (kind == '.')
        return ParseDirective(t);
    if (!Kind::IsCircuitElement(kind) || t.size() < TokensNeeded(kind))
        return false;
    for (std::size_t k = 1; k <= NodeTokens(kind); ++k)
        if (ReservedNode(t[k]))
            return false;
    const std::string& name = t[0];
    int a = Node(t[1]);
    int b = Node(t[2]);
    if (NodeTokens(kind) == 2) {
        const double v = StrToD(t[3]);
        const bool f = SymbolicFlag(t[4]);
        switch (kind) {
        case 'V': {
            if (inputNode_ == -99)
                inputNode_ = b;
            int x = InternalNode();
            AddControlled(name, x, b, portNode_, inputNode_, v, f);
            AddNullor(b, a, b, x);
            AddInternal(x, b, a, b, -1.0);
            break;
        }
        case 'I':
            if (inputNode_ == -99)
                inputNode_ = b;
            AddControlled(name, b, a, portNode_, inputNode_, v, f);
            break;
        default:
            AddBranch(name, a, b, v, f);
        }
        return true;
    }
    int c = Node(t[3]);
    int d = Node(t[4]);
    if (kind == 'O') {
        AddNullor(b, a, d, c);
        return true;
    }
    const double v = StrToD(t[5]);
    const bool f = SymbolicFlag(t[6]);
    switch (kind) {
    case 'H':
        AddControlled(name, a, b, c, d, v, f);
        break;
    case 'E': {
        int x = InternalNode();
        AddControlled(name, x, b, c, d, v, f);
        AddNullor(b, a, b, x);
        AddInternal(x, b, a, b, -1.0);
        break;
    }
    case 'F': {
        int x = InternalNode();
        AddNullor(b, x, d, c);
        AddInternal(c, d, x, b, 1.0);
        AddControlled(name, a, b, x, b, v, f);
        break;
    }
    case 'K':
    case 'Y':
        AddNullor(b, a, d, c);
        AddControlled(name, c, d, a, b, v, f);
        break;
    case 'N': {
        int x1 = InternalNode();
        int x2 = InternalNode();
        int x3 = InternalNode();
        int z = Node("0");
        AddControlled(name, x2, z, a, b, v, f);
        AddNullor(d, x1, z, x2);
        AddInternal(x2, z, x1, d, -1.0);
        AddNullor(b, x3, c, x1);
        AddInternal(x1, c, x3, b, 1.0);
        AddControlled(name, a, b, x3, b, v, f);
        break;
    }
    }
    return true;
}

bool Circuito::ParseDirective(const std::vector<std::string>& t)
{
    const std::string keyword = UpperCase(t[0]);
    if (keyword == ".OUT") {
        if (t.size() < 2 || ReservedNode(t[1]))
            return false;
        outputNode_ = Node(t[1]);
        outputReference_ = Node("0");
        hasOutput_ = true;
    } else if (keyword == ".IOUT") {
        if (t.size() < 3 || ReservedNode(t[1]) || ReservedNode(t[2]))
            return false;
        int x = InternalNode();
        int z = Node("0");
        int a = Node(t[1]);
        int b = Node(t[2]);
        outputNode_ = x;
        outputReference_ = z;
        hasOutput_ = true;
        AddNullor(z, x, a, b);
        AddInternal(a, b, x, z, 1.0);
    } else if (keyword == ".APP") {
        if (t.size() < 3)
            return false;
        char* end = nullptr;
        long n = std::strtol(t[2].c_str(), &end, 10);
        if (*end != '\0' || n < 1 || n > kMaxFrequencies || t.size() < 3 + static_cast<std::size_t>(n))
            return false;
        tolerance_ = StrToD(t[1]) * 0.01;
        frequencies_.clear();
        for (long k = 0; k < n; ++k)
            frequencies_.push_back(StrToD(t[3 + static_cast<std::size_t>(k)]));
        approximation_ = true;
    }
    return true;
}

int Circuito::Node(const std::string& name)
{
    auto [it, added] = nodeIndex_.try_emplace(UpperCase(name), static_cast<int>(nodes_.size()) + 1);
    if (added)
        nodes_.push_back(name);
    return it->second;
}

int Circuito::InternalNode() { return Node("$" + std::to_string(internalCounter_++)); }

void Circuito::AddBranch(const std::string& name, int a, int b, double value, bool symbolic)
{
    Componente e;
    e.name = name;
    e.vFrom = e.iFrom = a;
    e.vTo = e.iTo = b;
    e.value = value;
    e.symbolic = symbolic;
    const char kind = e.Kind();
    e.reactive = kind == 'C' || kind == 'L';
    e.impedance = kind == 'L' || kind == 'R';
    elements_.push_back(e);
}

void Circuito::AddControlled(const std::string& name, int iFrom, int iTo, int vFrom, int vTo,
                             double value, bool symbolic)
{
    Componente e;
    e.name = name;
    e.iFrom = iFrom;
    e.iTo = iTo;
    e.vFrom = vFrom;
    e.vTo = vTo;
    e.value = value;
    e.symbolic = symbolic;
    e.controlled = true;
    const char kind = e.Kind();
    e.impedance = kind == 'Y' || kind == 'K';
    e.reactive = kind == 'K';
    elements_.push_back(e);
}

void Circuito::AddInternal(int iFrom, int iTo, int vFrom, int vTo, double value)
{
    AddControlled(kInternalName, iFrom, iTo, vFrom, vTo, value, false);
}

void Circuito::AddNullor(int iFrom, int iTo, int vFrom, int vTo)
{
    Componente e;
    e.name = kInternalName;
    e.iFrom = iFrom;
    e.iTo = iTo;
    e.vFrom = vFrom;
    e.vTo = vTo;
    e.controlled = true;
    nullors_.push_back(e);
}

void Circuito::SortElements()
{
    if (approximation_) {
        SortByWeight();
        return;
    }
    std::stable_sort(elements_.begin(), elements_.end(), BySymbol);
}

void Circuito::ListImpedances()
{
    impedances_.clear();
    for (std::size_t i = 0; i < elements_.size(); ++i)
        if (elements_[i].impedance)
            impedances_.push_back(static_cast<int>(i));
}

bool Circuito::WriteParameterLines()
{
    std::unordered_map<std::string, int> position;
    std::string names, values;
    symbolMap_.assign(elements_.size(), 0);
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        const Componente& e = elements_[i];
        auto [it, added] = position.try_emplace(UpperCase(e.name), static_cast<int>(position.size()));
        if (added) {
            names += e.symbolic ? e.name + " " : std::string("$ ");
            values += GcvtText(e.value, 9) + " ";
        }
        symbolMap_[i] = it->second;
    }
    if (position.size() > static_cast<std::size_t>(kMaxSymbols)) {
        Fail("The circuit has more than " + std::to_string(kMaxSymbols) + " distinct element names!");
        return false;
    }
    OutFile par;
    if (!par.Open(ParTemp(), "wb")) {
        Fail("Cannot create file \"" + parPath + "\"");
        return false;
    }
    std::string text = names + "\r\n" + values + "\r\n";
    par.Put(text.data(), text.size());
    if (!par.Close()) {
        Fail("Cannot write file \"" + parPath + "\"");
        return false;
    }
    return true;
}
