#include "editor/spice/SpiceNetlist.h"

#include "editor/circuit/CircuitFields.h"
#include "editor/numbering/NodeNumbering.h"
#include "editor/subcircuits/SubcktLayout.h"
#include "formats/Paths.h"
#include "formats/SideNames.h"
#include "formats/TextFile.h"
#include "formats/Tokens.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>

namespace {

// The nominal device models, each written once after its first user.
struct Models {
    bool npn = false, pnp = false, nmos = false, pmos = false;
};

std::string Nodes(const GCompo& p, std::initializer_list<int> terminals)
{
    std::string text;
    for (int i : terminals)
        text += NodeField(p, i);
    return text;
}

bool IsNType(const GCompo& p) { return !p.Text.empty() && p.Text[0] == 'N'; }

void AddOnce(std::vector<std::string>& names, const std::string& name)
{
    if (std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
}

void Transistor(const GCompo& p, Models& models, std::vector<std::string>& lines)
{
    bool n = IsNType(p);
    if (p.Kind == 'M') {
        lines.push_back(p.Name + Nodes(p, {2, 0, 1, 1}) + (n ? " NMOSNOM" : " PMOSNOM"));
        bool& written = n ? models.nmos : models.pmos;
        if (!written)
            lines.push_back(n ? ".MODEL NMOSNOM NMOS" : ".MODEL PMOSNOM PMOS");
        written = true;
        return;
    }
    // SPICE names ignore case: "q1" would be the same device as "Q1".
    std::string name = p.Kind == 'q' ? "Q" + p.Name : p.Name;
    lines.push_back(name + Nodes(p, {2, 0, 1}) + (n ? " NPNNOM" : " PNPNOM"));
    bool& written = n ? models.npn : models.pnp;
    if (!written)
        lines.push_back(n ? ".MODEL NPNNOM NPN" : ".MODEL PNPNOM PNP");
    written = true;
}

// The coupling factor of a mutual inductance, |M| / sqrt(L1 L2).
double Coupling(const GCompo& p) { return std::fabs(p.Param[2]) / std::sqrt(p.Param[0] * p.Param[1]); }

void Mutual(const GCompo& p, std::vector<std::string>& lines)
{
    double k = Coupling(p);
    lines.push_back("Lp_" + p.Name + Nodes(p, {0, 1}) + ParamField(p, 0));
    lines.push_back("Ls_" + p.Name + Nodes(p, {2, 3}) + ParamField(p, 1));
    lines.push_back("K_" + p.Name + " Lp_" + p.Name + " Ls_" + p.Name + NumberField(k));
}

// The lines of one part with at least two terminals, other than an instance.
void PartLines(const GCompo& p, Models& models, std::vector<std::string>& lines)
{
    const std::string value = NumberField(p.Value);
    switch (p.Kind) {
    case 'i': lines.push_back("V" + p.Name + Nodes(p, {0, 1}) + " 0"); break;
    case 'O': lines.push_back("E" + p.Name + NodeField(p, 0) + " 0" + Nodes(p, {1, 2}) + " 1e6"); break;
    case 'Q':
    case 'q':
    case 'M': Transistor(p, models, lines); break;
    case 'K': Mutual(p, lines); break;
    case 'n':  // the primary current follows the current of the secondary's source
        lines.push_back("F_" + p.Name + Nodes(p, {1, 0}) + " E_" + p.Name + value);
        lines.push_back("E_" + p.Name + Nodes(p, {2, 3, 0, 1}) + value);
        break;
    case 'F':
    case 'Y': {  // SPICE senses a controlling current in a voltage source
        std::string sense = "V_" + p.Name;
        lines.push_back(sense + Nodes(p, {2, 3}) + " 0");
        lines.push_back((p.Kind == 'Y' ? "H" : "") + p.Name + Nodes(p, {0, 1}) + " " + sense + value);
        break;
    }
    case 'G': lines.push_back("R" + p.Name + Nodes(p, {0, 1}) + NumberField(1 / p.Value)); break;
    case 'H': lines.push_back("G" + p.Name + Nodes(p, {0, 1, 2, 3}) + value); break;
    case 'V': lines.push_back(p.Name + Nodes(p, {0, 1}) + " AC 1"); break;
    // The symbol's arrow points at the first terminal; SPICE drives the
    // current through the source from its first node to its second.
    case 'I': lines.push_back(p.Name + Nodes(p, {1, 0}) + " AC 1"); break;
    default: lines.push_back(p.Name + NodeFields(p) + value); break;
    }
}

// The nodes of the ".SUBCKT" line of a SPICE text (in any case); -1 without one.
int DefinitionPorts(const std::vector<std::string>& text)
{
    const std::string keyword = ".SUBCKT";
    auto isKeyword = [&](const std::string& token) {
        return std::equal(token.begin(), token.end(), keyword.begin(), keyword.end(),
                          [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
    };
    for (const std::string& line : text) {
        std::vector<std::string> tokens = SplitBlanks(line);
        if (tokens.size() >= 2 && isKeyword(tokens[0]))
            return static_cast<int>(tokens.size()) - 2;
    }
    return -1;
}

// The ports of each subcircuit as its SPICE text <folder><name>.sp defines
// them, read once per name; -1 for a text that cannot be read.
class DefinedPorts {
public:
    explicit DefinedPorts(const std::string& folder) : folder_(folder) {}
    int Of(const std::string& name)
    {
        auto known = ports_.find(name);
        if (known != ports_.end())
            return known->second;
        std::vector<std::string> text;
        int ports = ReadTextLines(folder_ + name + ".sp", text) ? DefinitionPorts(text) : -1;
        return ports_[name] = ports;
    }

private:
    std::string folder_;
    std::map<std::string, int> ports_;
};

// The call of a subcircuit: the instance's terminals, then for each port that
// its definition gained since the instance was placed a node of this instance
// alone, numbered from spareNode on.
void InstanceLine(const GCompo& p, DefinedPorts& defined, int& spareNode, std::vector<std::string>& lines,
                  std::vector<std::string>& subcircuits)
{
    std::string nodes = NodeFields(p);
    for (int port = p.TermCount; port < defined.Of(p.Text); ++port)
        nodes += " " + std::to_string(spareNode++);
    lines.push_back(p.Name + nodes + " " + p.Text);
    AddOnce(subcircuits, p.Text);
}

// Whether every number the part writes is finite.
bool Writable(const GCompo& p)
{
    switch (p.Kind) {
    case 'G': return std::isfinite(1 / p.Value);
    case 'K': return std::isfinite(Coupling(p)) && std::isfinite(p.Param[0]) && std::isfinite(p.Param[1]);
    case 'R':
    case 'C':
    case 'L':
    case 'E':
    case 'F':
    case 'H':
    case 'Y':
    case 'n': return std::isfinite(p.Value);
    default: return true;  // writes no number of its own
    }
}

// The subcircuits that the lines of a subcircuit text call.
void CalledSubcircuits(const std::vector<std::string>& text, std::vector<std::string>& names)
{
    for (const std::string& line : text) {
        if (line.empty() || (line[0] != 'X' && line[0] != 'x'))
            continue;
        std::vector<std::string> tokens = SplitBlanks(line);
        if (tokens.size() >= 2)
            AddOnce(names, tokens.back());
    }
}

// Appends the texts of the used subcircuits and of those they use in turn.
bool AppendSubcircuitTexts(std::vector<std::string> names, const std::string& folder,
                           std::vector<std::string>& lines, std::string& error)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string path = folder + names[i] + ".sp";
        std::vector<std::string> text;
        if (!ReadTextLines(path, text)) {
            error = "Cannot open file \"" + path + "\"";
            return false;
        }
        CalledSubcircuits(text, names);
        lines.emplace_back();
        lines.insert(lines.end(), text.begin(), text.end());
        lines.emplace_back();
    }
    return true;
}

}  // namespace

bool SpiceElementLines(const Schematic& schematic, const std::string& subcktFolder, std::vector<std::string>& lines,
                       std::vector<std::string>& subcircuits, std::string& error)
{
    Models models;
    DefinedPorts defined(subcktFolder);
    int spareNode = schematic.NodeCount + 1;  // above the nets 1..N
    for (const auto& part : schematic.Parts) {
        if (part->Kind == 'g' || part->TermCount < 1 || (part->TermCount < 2 && part->Kind != 'X'))
            continue;
        if (part->Kind == 'X') {
            InstanceLine(*part, defined, spareNode, lines, subcircuits);
            continue;
        }
        if (!Writable(*part)) {
            error = "Bad value of " + part->Name + "!";
            return false;
        }
        PartLines(*part, models, lines);
    }
    return true;
}

bool SpiceNetlistLines(const Schematic& schematic, const std::string& subcktFolder,
                       std::vector<std::string>& lines, std::string& error)
{
    std::vector<std::string> deck{schematic.IsSubcircuit ? schematic.SubcktHeader : schematic.FileName};
    std::vector<std::string> used;
    if (!SpiceElementLines(schematic, subcktFolder, deck, used, error))
        return false;
    if (schematic.IsSubcircuit) {
        deck.push_back(".ENDS");
    } else {
        if (!AppendSubcircuitTexts(used, subcktFolder, deck, error))
            return false;
        deck.insert(deck.end(), {".AC DEC 100 1 1000", ".PROBE", ".END"});
    }
    lines = std::move(deck);
    return true;
}

bool ExportSpiceNetlist(Schematic& schematic, TCanvas* canvas, const std::string& subcktFolder,
                        SpiceExport& result, std::string& error)
{
    if (schematic.FileName.empty()) {
        error = "Save the schematic first!";
        return false;
    }
    NumberNodes(schematic, canvas);
    if (schematic.IsSubcircuit)
        schematic.SubcktHeader = SubcktHeaderLine(SubcircuitName(schematic), schematic.PortCount - 1);
    std::vector<std::string> lines;
    if (!SpiceNetlistLines(schematic, subcktFolder, lines, error))
        return false;
    std::string path = ChangeFileExt(schematic.FileName, schematic.IsSubcircuit ? ".sp" : ".cir");
    if (!WriteTextLines(path, lines)) {
        error = CannotCreateText(path);
        return false;
    }
    result.Path = path;
    result.HasGround = std::any_of(schematic.Parts.begin(), schematic.Parts.end(),
                                   [](const auto& part) { return part->Kind == 'g'; });
    return true;
}
