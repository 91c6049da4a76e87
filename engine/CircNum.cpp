#include "engine/CircNum.h"

#include "engine/CircuitText.h"
#include "engine/EngineHost.h"

namespace {

// Current variables a line adds to the matrix.
int ExtraVariables(char kind)
{
    switch (kind) {
    case 'L': case 'R': case 'V': case 'E': case 'F': case 'N': case 'O':
        return 1;
    case 'K': case 'Y':
        return 2;
    default:
        return 0;
    }
}

// The elements of a current variable w: its row holds k (V(p) - V(q)), its
// column carries k times the current out of p into q.
void Row(MATRIX& m, int w, int p, int q, double k)
{
    m.Add(w, p, k, 0.0);
    m.Add(w, q, -k, 0.0);
}

void Column(MATRIX& m, int w, int p, int q, double k)
{
    m.Add(p, w, k, 0.0);
    m.Add(q, w, -k, 0.0);
}

void Port(MATRIX& m, int w, int p, int q, double k)
{
    Row(m, w, p, q, k);
    Column(m, w, p, q, k);
}

}  // namespace

CircNum::CircNum(const std::vector<std::string>& lines, EngineHost& host) : host_(host)
{
    for (int pass = 1; pass <= 2 && ok_; ++pass) {
        for (std::size_t i = 1; i < lines.size(); ++i) {
            if (!ReadLine(lines[i], pass)) {
                ok_ = false;
                host_.ShowMessage("Error in line " + std::to_string(i));
                return;
            }
            if (!ok_)
                return;
        }
        if (pass == 1) {
            const int nodes = static_cast<int>(nodes_.size());
            size_ = nodes + extras_ + 1;
            next_ = nodes + 1;
            input_ = size_;
            matrix_ = MATRIX(size_);
        }
    }
}

bool CircNum::ReadLine(const std::string& line, int pass)
{
    Statement s;
    if (!ReadStatement(line, s))
        return false;
    if (pass == 1)
        CountLine(s);
    else
        StampLine(s);
    return true;
}

// Element and ".IOUT" lines register their nodes in order of appearance.
void CircNum::CountLine(const Statement& s)
{
    if (s.type != Statement::Type::Element && s.type != Statement::Type::Iout)
        return;
    for (const std::string& node : s.nodes)
        Node(node);
    extras_ += s.type == Statement::Type::Iout ? 1 : ExtraVariables(s.kind);
}

void CircNum::StampLine(const Statement& s)
{
    if (s.type == Statement::Type::Out || s.type == Statement::Type::Iout) {
        StampOutput(s);
        return;
    }
    if (s.type != Statement::Type::Element)
        return;
    MATRIX& m = matrix_;
    const int a = Node(s.nodes[0]);
    const int b = Node(s.nodes[1]);
    const int c = s.nodes.size() == 4 ? Node(s.nodes[2]) : 0;
    const int d = s.nodes.size() == 4 ? Node(s.nodes[3]) : 0;
    const double v = s.value;
    const char kind = s.kind;
    switch (kind) {
    case 'G':
    case 'C': {
        const double k = kind == 'G' ? v : 0.0, ks = kind == 'C' ? v : 0.0;
        m.Add(a, a, k, ks);
        m.Add(b, b, k, ks);
        m.Add(a, b, -k, -ks);
        m.Add(b, a, -k, -ks);
        break;
    }
    case 'R':
    case 'L': {
        const int w = Extra();
        Port(m, w, a, b, 1.0);
        m.Add(w, w, kind == 'R' ? -v : 0.0, kind == 'L' ? -v : 0.0);
        break;
    }
    case 'H':
        m.Add(a, c, v, 0.0);
        m.Add(b, d, v, 0.0);
        m.Add(a, d, -v, 0.0);
        m.Add(b, c, -v, 0.0);
        break;
    case 'E': {
        const int w = Extra();
        Port(m, w, a, b, 1.0);
        Row(m, w, c, d, -v);
        break;
    }
    case 'F': {
        const int w = Extra();
        Port(m, w, c, d, 1.0);
        Column(m, w, a, b, v);
        break;
    }
    case 'Y':
    case 'K': {
        const int w1 = Extra();
        const int w2 = Extra();
        Port(m, w1, c, d, 1.0);
        Port(m, w2, a, b, 1.0);
        m.Add(w2, w1, kind == 'Y' ? -v : 0.0, kind == 'K' ? -v : 0.0);
        break;
    }
    case 'N': {  // V(c,d) = v V(a,b); the current into a is -v times that into c
        const int w = Extra();
        Port(m, w, c, d, 1.0);
        Port(m, w, a, b, -v);
        break;
    }
    case 'O': {
        const int w = Extra();
        Row(m, w, c, d, 1.0);
        Column(m, w, a, b, 1.0);
        break;
    }
    case 'V': {
        const int w = Extra();
        Port(m, w, a, b, 1.0);
        m.Add(w, input_, v, 0.0);
        break;
    }
    case 'I':
        Column(m, input_, a, b, v);
        break;
    }
}

void CircNum::StampOutput(const Statement& s)
{
    if (s.type == Statement::Type::Iout) {
        output_ = Extra();
        Port(matrix_, output_, Node(s.nodes[0]), Node(s.nodes[1]), 1.0);
        return;
    }
    if (s.nodes[0] == "0") {
        output_ = 0;
        return;
    }
    auto it = nodeIndex_.find(UpperCase(s.nodes[0]));
    if (it == nodeIndex_.end()) {
        host_.ShowMessage("The output node " + s.nodes[0] + " is on no element line!");
        ok_ = false;
        return;
    }
    output_ = it->second;
}

int CircNum::Node(const std::string& name)
{
    if (name == "0")
        return 0;
    auto [it, added] = nodeIndex_.try_emplace(UpperCase(name), static_cast<int>(nodes_.size()) + 1);
    if (added)
        nodes_.push_back(name);
    return it->second;
}

std::complex<double> CircNum::Numerator(double x) const
{
    if (output_ == 0)
        return 0.0;
    // Moving the input column into the output column's place takes
    // size - 1 - output transpositions.
    const double sign = (size_ - 1 - output_) % 2 == 0 ? 1.0 : -1.0;
    return sign * Value(output_, x);
}

std::complex<double> CircNum::Denominator(double x) const { return Value(input_, x); }

// The minor without the input row and the given column, at s = j x.
std::complex<double> CircNum::Value(int column, double x) const
{
    MATRIX minor(matrix_, input_, column);
    minor.AtFrequency(x);
    return minor.Det(host_);
}
