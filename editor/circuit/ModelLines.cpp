#include "editor/circuit/ModelLines.h"

#include "editor/circuit/CircuitFields.h"

namespace {

// Terminals: base, emitter, collector; parameters hie, hre, hfe, hoe.
std::vector<std::string> HybridBjt(const GCompo& p, int& counter)
{
    const std::string& n = p.Name;
    std::string s = SymbolicField(p), b = NodeField(p, 0), e = NodeField(p, 1), c = NodeField(p, 2);
    std::string a = InternalNodeField(counter);
    bool hre = p.Param[1] != 0.0;
    std::string bNode = hre ? InternalNodeField(counter) : e;
    std::vector<std::string> lines{"Rhie_" + n + b + a + ParamField(p, 0) + s};
    if (hre)
        lines.push_back("Ehre_" + n + bNode + e + c + e + ParamField(p, 1) + s);
    lines.push_back("Fhfe_" + n + c + e + a + bNode + ParamField(p, 2) + s);
    if (p.Param[3] != 0.0)
        lines.push_back("Ghoe_" + n + c + e + ParamField(p, 3) + s);
    return lines;
}

// Terminals: base, emitter, collector; parameters Gbe, Ce, Cc, Gce, gm.
std::vector<std::string> HybridPiBjt(const GCompo& p)
{
    const std::string& n = p.Name;
    std::string s = SymbolicField(p), b = NodeField(p, 0), e = NodeField(p, 1), c = NodeField(p, 2);
    std::vector<std::string> lines{"Gbe_" + n + b + e + ParamField(p, 0) + s};
    if (p.Param[1] != 0.0)
        lines.push_back("Ce_" + n + b + e + ParamField(p, 1) + s);
    if (p.Param[2] != 0.0)
        lines.push_back("Cc_" + n + b + c + ParamField(p, 2) + s);
    if (p.Param[3] != 0.0)
        lines.push_back("Gce_" + n + c + e + ParamField(p, 3) + s);
    lines.push_back("Hgm_" + n + c + e + b + e + ParamField(p, 4) + s);
    return lines;
}

// Terminals: gate, source, drain; parameters Cgs, Cgd, gm, Gd, Cds.
std::vector<std::string> Mosfet(const GCompo& p)
{
    const std::string& n = p.Name;
    std::string s = SymbolicField(p), g = NodeField(p, 0), src = NodeField(p, 1), d = NodeField(p, 2);
    std::vector<std::string> lines;
    if (p.Param[0] != 0.0)
        lines.push_back("Cgs_" + n + g + src + ParamField(p, 0) + s);
    if (p.Param[1] != 0.0)
        lines.push_back("Cgd_" + n + g + d + ParamField(p, 1) + s);
    lines.push_back("Hgm_" + n + d + src + g + src + ParamField(p, 2) + s);
    lines.push_back("Gd_" + n + d + src + ParamField(p, 3) + s);
    if (p.Param[4] != 0.0)
        lines.push_back("Cds_" + n + d + src + ParamField(p, 4) + s);
    return lines;
}

// Primary on terminals 0 and 1, secondary on 2 and 3; parameters L1, L2, M.
// The two coupling branches bear the part's own name: one symbol for M.
std::vector<std::string> Mutual(const GCompo& p, int& counter)
{
    const std::string& n = p.Name;
    std::string s = SymbolicField(p);
    std::string a = InternalNodeField(counter), b = InternalNodeField(counter);
    std::string c = InternalNodeField(counter), d = InternalNodeField(counter);
    return {"Lp_" + n + NodeField(p, 0) + a + ParamField(p, 0) + s,
            "Ls_" + n + NodeField(p, 2) + c + ParamField(p, 1) + s,
            n + b + NodeField(p, 1) + c + d + ParamField(p, 2) + s,
            n + d + NodeField(p, 3) + a + b + ParamField(p, 2) + s};
}

}  // namespace

bool IsModelKind(char kind) { return kind == 'Q' || kind == 'q' || kind == 'M' || kind == 'K'; }

std::vector<std::string> ModelLines(const GCompo& part, int& counter)
{
    switch (part.Kind) {
    case 'Q': return HybridBjt(part, counter);
    case 'q': return HybridPiBjt(part);
    case 'M': return Mosfet(part);
    case 'K': return Mutual(part, counter);
    default: return {};
    }
}
