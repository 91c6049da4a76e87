// Reading a circuit file into the two graphs' edge pairs.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "engine/Circuito.h"
#include "engine/Graphs.h"
#include "formats/KindLetters.h"
#include "formats/Paths.h"
#include "formats/TextFile.h"
#include "formats/Tokens.h"

Circuito::Circuito(const std::string& path, bool fromCommandLine, EngineHost& host)
    : circuitPath(path), fdtPath(ChangeFileExt(path, ".fdt")), parPath(ChangeFileExt(path, ".par")),
      host_(host), asked_(!fromCommandLine), lock_(fdtPath + ".lock"), files_(parPath, fdtPath)
{
    portNode_ = Node("$0");
    if (NamedLikeItsResults()) {
        Fail("The results of \"" + path + "\" would overwrite the circuit file itself!\r\n"
             "Give the circuit file another extension, such as \".crc\".");
        return;
    }
    std::vector<std::string> lines;
    bool waited = false;
    if (!ReadCircuit(lines) || !LockResults(waited) || (waited && !ReadCircuit(lines)))
        return;
    if (!Read(lines))
        return;
    SortElements();
    if (approximation_ && !ComputeExactValues())
        return;
    nodeCount = static_cast<int>(nodes_.size());
    branchCount = static_cast<int>(elements_.size());
    if (!WriteParameterLines())
        return;
    if (!out_.Open(files_.Temp(kFdtFile), "ab"))
        Fail("Cannot create file \"" + fdtPath + "\"");
}

Circuito::~Circuito() { Discard(); }

// The same file by name or through a link.
bool Circuito::NamedLikeItsResults() const
{
    std::error_code ignored;
    for (const std::string& result : {parPath, fdtPath})
        if (result == circuitPath || std::filesystem::equivalent(circuitPath, result, ignored))
            return true;
    return false;
}

bool Circuito::ReadCircuit(std::vector<std::string>& lines)
{
    if (ReadTextLines(circuitPath, lines))
        return true;
    Fail("Cannot open file \"" + circuitPath + "\"");
    return false;
}

// Another run on the same results goes first; its circuit file may be
// rewritten meanwhile, so a run that waited reads it again.
bool Circuito::LockResults(bool& waited)
{
    ExclusiveLock::Result result = lock_.TryLock();
    waited = result == ExclusiveLock::Result::Busy;
    if (waited)
        host_.Waiting("Waiting for another run writing " + ExtractFileName(fdtPath) + "...");
    while (result == ExclusiveLock::Result::Busy) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        host_.ProcessMessages();
        result = lock_.TryLock();
    }
    if (result == ExclusiveLock::Result::Failed) {
        Fail("Cannot create file \"" + lock_.Path() + "\"");
        return false;
    }
    return true;
}

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
    const std::vector<std::string> t = SplitBlanks(line);
    const char kind = UpperChar(line[0]);
    if (kind == '.')
        return ParseDirective(t);
    if (!Kind::IsCircuitElement(kind) || t.size() < TokensNeeded(kind))
        return false;
    for (std::size_t k = 1; k <= NodeTokens(kind); ++k)
        if (ReservedNode(t[k]))
            return false;
    double value = 0.0;
    if (kind != 'O' && !FiniteValue(t[NodeTokens(kind) + 1], value))
        return false;
    if (NodeTokens(kind) == 2)
        ParseTwoNodes(kind, t, value);
    else
        ParseFourNodes(kind, t, value);
    return true;
}

// R, G, C, L, V and I lines: name a b value flag.
void Circuito::ParseTwoNodes(char kind, const std::vector<std::string>& t, double v)
{
    const std::string& name = t[0];
    const int a = Node(t[1]);
    const int b = Node(t[2]);
    const bool f = SymbolicFlag(t[4]);
    if (kind != 'V' && kind != 'I') {
        AddBranch(name, a, b, v, f);
        return;
    }
    if (inputNode_ == -99)
        inputNode_ = b;
    if (kind == 'I') {
        AddControlled(name, b, a, portNode_, inputNode_, v, f);
        return;
    }
    const int x = InternalNode();
    AddControlled(name, x, b, portNode_, inputNode_, v, f);
    AddNullor(b, a, b, x);
    AddInternal(x, b, a, b, -1.0);
}

// H, E, F, K, Y and N lines: name a b c d value flag; O lines: name a b c d.
void Circuito::ParseFourNodes(char kind, const std::vector<std::string>& t, double v)
{
    const std::string& name = t[0];
    const int a = Node(t[1]);
    const int b = Node(t[2]);
    const int c = Node(t[3]);
    const int d = Node(t[4]);
    if (kind == 'O') {
        AddNullor(b, a, d, c);
        return;
    }
    const bool f = SymbolicFlag(t[6]);
    switch (kind) {
    case 'H':
        AddControlled(name, a, b, c, d, v, f);
        break;
    case 'E': {
        const int x = InternalNode();
        AddControlled(name, x, b, c, d, v, f);
        AddNullor(b, a, b, x);
        AddInternal(x, b, a, b, -1.0);
        break;
    }
    case 'F': {
        const int x = InternalNode();
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
        const int x1 = InternalNode();
        const int x2 = InternalNode();
        const int x3 = InternalNode();
        const int z = Node("0");
        AddControlled(name, x2, z, a, b, v, f);
        AddNullor(d, x1, z, x2);
        AddInternal(x2, z, x1, d, -1.0);
        AddNullor(b, x3, c, x1);
        AddInternal(x1, c, x3, b, 1.0);
        AddControlled(name, a, b, x3, b, v, f);
        break;
    }
    }
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
        double percent = 0.0;
        if (*end != '\0' || n < 1 || n > kMaxFrequencies || t.size() < 3 + static_cast<std::size_t>(n)
            || !FiniteValue(t[1], percent))
            return false;
        tolerance_ = percent * 0.01;
        frequencies_.assign(static_cast<std::size_t>(n), 0.0);
        for (std::size_t k = 0; k < frequencies_.size(); ++k)
            if (!FiniteValue(t[3 + k], frequencies_[k]))
                return false;
        approximation_ = true;
    }
    return true;
}
