#include "editor/ElementLines.h"

#include "editor/CircuitFields.h"

namespace {

std::string Internal(int& counter) { return " _" + std::to_string(counter++); }

// h-parameter BJT: base, emitter, collector.
void HybridBjt(const GCompo& p, int& counter, std::vector<std::string>& lines)
{
    const std::string s = SymbolicField(p), n0 = NodeField(p, 0), n1 = NodeField(p, 1), n2 = NodeField(p, 2);
    std::string a = Internal(counter);
    std::string b = p.Param[1] != 0.0 ? Internal(counter) : n1;
    lines.push_back("Rhie_" + p.Name + n0 + a + ParamField(p, 0) + s);
    if (p.Param[1] != 0.0)
        lines.push_back("Ehre_" + p.Name + b + n1 + n2 + n1 + ParamField(p, 1) + s);
    lines.push_back("Fhfe_" + p.Name + n2 + n1 + a + b + ParamField(p, 2) + s);
    if (p.Param[3] != 0.0)
        lines.push_back("Ghoe_" + p.Name + n2 + n1 + ParamField(p, 3) + s);
}

// Hybrid-pi BJT: base, emitter, collector.
void PiBjt(const GCompo& p, std::vector<std::string>& lines)
{
    const std::string s = SymbolicField(p), n0 = NodeField(p, 0), n1 = NodeField(p, 1), n2 = NodeField(p, 2);
    lines.push_back("Gbe_" + p.Name + n0 + n1 + ParamField(p, 0) + s);
    if (p.Param[1] != 0.0)
        lines.push_back("Ce_" + p.Name + n0 + n1 + ParamField(p, 1) + s);
    if (p.Param[2] != 0.0)
        lines.push_back("Cc_" + p.Name + n0 + n2 + ParamField(p, 2) + s);
    if (p.Param[3] != 0.0)
        lines.push_back("Gce_" + p.Name + n2 + n1 + ParamField(p, 3) + s);
    lines.push_back("Hgm_" + p.Name + n2 + n1 + n0 + n1 + ParamField(p, 4) + s);
}

// MOSFET: gate, source, drain.
void Mosfet(const GCompo& p, std::vector<std::string>& lines)
{
    const std::string s = SymbolicField(p), n0 = NodeField(p, 0), n1 = NodeField(p, 1), n2 = NodeField(p, 2);
    if (p.Param[0] != 0.0)
        lines.push_back("Cgs_" + p.Name + n0 + n1 + ParamField(p, 0) + s);
    if (p.Param[1] != 0.0)
        lines.push_back("Cgd_" + p.Name + n0 + n2 + ParamField(p, 1) + s);
    lines.push_back("Hgm_" + p.Name + n2 + n1 + n0 + n1 + ParamField(p, 2) + s);
    lines.push_back("Gd_" + p.Name + n2 + n1 + ParamField(p, 3) + s);
    if (p.Param[4] != 0.0)
        lines.push_back("Cds_" + p.Name + n2 + n1 + ParamField(p, 4) + s);
}

// Mutual inductance: primary on terminals 0 and 1, secondary on 2 and 3.
void Mutual(const GCompo& p, int& counter, std::vector<std::string>& lines)
{
    const std::string s = SymbolicField(p);
    std::string a = Internal(counter), b = Internal(counter), c = Internal(counter), d = Internal(counter);
    lines.push_back("Lp_" + p.Name + NodeField(p, 0) + a + ParamField(p, 0) + s);
    lines.push_back("Ls_" + p.Name + NodeField(p, 2) + c + ParamField(p, 1) + s);
    lines.push_back(p.Name + b + NodeField(p, 1) + c + d + ParamField(p, 2) + s);
    lines.push_back(p.Name + d + NodeField(p, 3) + a + b + ParamField(p, 2) + s);
}

// The name, the node of every terminal, the value and the symbolic flag.
std::string GenericLine(const GCompo& part)
{
    std::string line = part.Name;
    for (int i = 0; i < part.TermCount && i < 4; ++i)
        line += NodeField(part, i);
    return line + NumberField(part.Value) + SymbolicField(part);
}

}  // namespace

void AppendElementLines(const GCompo& part, int& counter, std::vector<std::string>& lines)
{
    switch (part.Kind) {
    case 'O':
        lines.push_back(part.Name + NodeField(part, 0) + " 0" + NodeField(part, 1) + NodeField(part, 2));
        break;
    case 'Q': HybridBjt(part, counter, lines); break;
    case 'q': PiBjt(part, lines); break;
    case 'M': Mosfet(part, lines); break;
    case 'K': Mutual(part, counter, lines); break;
    default: lines.push_back(GenericLine(part)); break;
    }
}
