// Reading a circuit file into the two graphs' edge pairs.
#include <chrono>
#include <filesystem>
#include <thread>

#include "engine/Circuito.h"
#include "formats/Paths.h"
#include "formats/SideNames.h"
#include "formats/TextFile.h"

Circuito::Circuito(const std::string& path, bool fromCommandLine, EngineHost& host)
    : circuitPath(path), fdtPath(ChangeFileExt(path, ".fdt")), parPath(ChangeFileExt(path, ".par")),
      host_(host), asked_(!fromCommandLine), lock_(SideStem(fdtPath) + ".lock"), files_(parPath, fdtPath)
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
    if (approximation_ && !ComputeExactValues(lines))
        return;
    nodeCount = static_cast<int>(nodes_.size());
    branchCount = static_cast<int>(elements_.size());
    if (!WriteParameterLines())
        return;
    if (!out_.Open(files_.Temp(kFdtFile), "ab"))
        Fail(CannotCreateText(fdtPath));
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
// rewritten meanwhile, so a run that waited reads it again. The holder puts
// right what killed runs left.
bool Circuito::LockResults(bool& waited)
{
    ExclusiveLock::Result result = lock_.TryLock();
    waited = result == ExclusiveLock::Result::Busy;
    if (waited)
        host_.Waiting("Waiting for another run writing " + ExtractFileName(fdtPath) + "...");
    while (result == ExclusiveLock::Result::Busy) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        host_.ProcessMessages();
        if (host_.WaitGivenUp()) {
            ok_ = false;
            abort = true;
            return false;
        }
        result = lock_.TryLock();
    }
    if (result == ExclusiveLock::Result::Failed) {
        Fail(CannotCreateText(lock_.Path()));
        return false;
    }
    files_.Recover();
    return true;
}

bool Circuito::Read(const std::vector<std::string>& lines)
{
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (!ParseLine(lines[i])) {
            Fail("Error in line " + std::to_string(i));
            return false;
        }
    }
    std::string missing;
    if (inputNode_ == -99)
        missing = "The circuit has no input source (a V or I line)!";
    else if (!hasOutput_)
        missing = "The circuit has no output (an .OUT or .IOUT line)!";
    if (!missing.empty()) {
        Fail(missing);
        return false;
    }
    return true;
}

bool Circuito::ParseLine(const std::string& line)
{
    Statement s;
    if (!ReadStatement(line, s))
        return false;
    switch (s.type) {
    case Statement::Type::Element:
        if (s.nodes.size() == 2)
            ParseTwoNodes(s);
        else
            ParseFourNodes(s);
        break;
    case Statement::Type::Out:
        outputNode_ = Node(s.nodes[0]);
        outputReference_ = Node("0");
        hasOutput_ = true;
        break;
    case Statement::Type::Iout: {
        const int x = InternalNode();
        const int z = Node("0");
        const int a = Node(s.nodes[0]);
        const int b = Node(s.nodes[1]);
        outputNode_ = x;
        outputReference_ = z;
        hasOutput_ = true;
        AddNullor(z, x, a, b);
        AddInternal(a, b, x, z, 1.0);
        break;
    }
    case Statement::Type::App:
        tolerance_ = s.value * 0.01;
        frequencies_ = s.frequencies;
        approximation_ = true;
        break;
    case Statement::Type::None:
    case Statement::Type::Directive:
        break;
    }
    return true;
}

// R, G, C, L, V and I lines.
void Circuito::ParseTwoNodes(const Statement& s)
{
    const int a = Node(s.nodes[0]);
    const int b = Node(s.nodes[1]);
    if (s.kind != 'V' && s.kind != 'I') {
        AddBranch(s.name, a, b, s.value, s.symbolic);
        return;
    }
    if (inputNode_ == -99)
        inputNode_ = b;
    if (s.kind == 'I') {
        AddControlled(s.name, b, a, portNode_, inputNode_, s.value, s.symbolic);
        return;
    }
    const int x = InternalNode();
    AddControlled(s.name, x, b, portNode_, inputNode_, s.value, s.symbolic);
    AddNullor(b, a, b, x);
    AddInternal(x, b, a, b, -1.0);
}

// H, E, F, K, Y, N and O lines.
void Circuito::ParseFourNodes(const Statement& s)
{
    const std::string& name = s.name;
    const double v = s.value;
    const bool f = s.symbolic;
    const int a = Node(s.nodes[0]);
    const int b = Node(s.nodes[1]);
    const int c = Node(s.nodes[2]);
    const int d = Node(s.nodes[3]);
    switch (s.kind) {
    case 'O':
        AddNullor(b, a, d, c);
        break;
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
