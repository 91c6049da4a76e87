#include "NodalSolver.h"

#include <cctype>
#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

using cd = std::complex<double>;

struct Line {
    std::string name;
    std::vector<std::string> nodes;
    double value = 0;
};

class Mna {
public:
    int Node(const std::string& name)
    {
        if (name == "0")
            return -1;
        std::string key = name;
        for (char& c : key)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        auto it = nodes_.find(key);
        if (it != nodes_.end())
            return it->second;
        int n = static_cast<int>(nodes_.size());
        nodes_[key] = n;
        return n;
    }
    int Extra() { return -2 - extras_++; }
    void Size()
    {
        n_ = static_cast<int>(nodes_.size()) + extras_;
        a_.assign(n_, std::vector<cd>(n_, 0));
        b_.assign(n_, 0);
    }
    int Index(int k) const { return k >= 0 ? k : k <= -2 ? static_cast<int>(nodes_.size()) + (-2 - k) : -1; }
    void A(int r, int c, cd v)
    {
        r = Index(r);
        c = Index(c);
        if (r >= 0 && c >= 0)
            a_[r][c] += v;
    }
    void B(int r, cd v)
    {
        r = Index(r);
        if (r >= 0)
            b_[r] += v;
    }
    // Admittance y between p and q.
    void Y(int p, int q, cd y)
    {
        A(p, p, y);
        A(q, q, y);
        A(p, q, -y);
        A(q, p, -y);
    }
    // Current unknown x entering the branch at p and leaving at q.
    void Branch(int x, int p, int q)
    {
        A(p, x, 1.0);
        A(q, x, -1.0);
    }
    // Row x: V(p) - V(q) ... (coefficients added by the caller).
    void Volt(int row, int p, int q, cd k)
    {
        A(row, p, k);
        A(row, q, -k);
    }
    std::vector<cd> Solve()
    {
        for (int col = 0; col < n_; ++col) {
            int pivot = col;
            for (int r = col + 1; r < n_; ++r)
                if (std::abs(a_[r][col]) > std::abs(a_[pivot][col]))
                    pivot = r;
            if (std::abs(a_[pivot][col]) == 0.0)
                throw std::runtime_error("singular nodal matrix");
            std::swap(a_[pivot], a_[col]);
            std::swap(b_[pivot], b_[col]);
            for (int r = col + 1; r < n_; ++r) {
                cd f = a_[r][col] / a_[col][col];
                if (f == 0.0)
                    continue;
                for (int c = col; c < n_; ++c)
                    a_[r][c] -= f * a_[col][c];
                b_[r] -= f * b_[col];
            }
        }
        std::vector<cd> x(n_);
        for (int r = n_ - 1; r >= 0; --r) {
            cd sum = b_[r];
            for (int c = r + 1; c < n_; ++c)
                sum -= a_[r][c] * x[c];
            x[r] = sum / a_[r][r];
        }
        return x;
    }
    cd Value(const std::vector<cd>& x, int k) const { return Index(k) < 0 ? cd(0) : x[Index(k)]; }

private:
    std::map<std::string, int> nodes_;
    int extras_ = 0;
    int n_ = 0;
    std::vector<std::vector<cd>> a_;
    std::vector<cd> b_;
};

std::vector<Line> Parse(const std::string& text)
{
    std::vector<Line> lines;
    std::istringstream in(text);
    std::string raw;
    bool title = true;
    while (std::getline(in, raw)) {
        if (title) {
            title = false;
            continue;
        }
        std::istringstream words(raw);
        Line line;
        if (!(words >> line.name) || line.name[0] == '*')
            continue;
        std::string w;
        std::vector<std::string> rest;
        while (words >> w)
            rest.push_back(w);
        char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(line.name[0])));
        std::size_t nodeCount = std::string("HEFKYNO").find(kind) != std::string::npos ? 4 : 2;
        if (kind == '.')
            nodeCount = rest.size();
        for (std::size_t k = 0; k < nodeCount && k < rest.size(); ++k)
            line.nodes.push_back(rest[k]);
        if (kind != '.' && kind != 'O' && rest.size() > nodeCount)
            line.value = std::stod(rest[nodeCount]);
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::complex<double> NodalSolve(const std::string& circuit, std::complex<double> s, int injectInto)
{
    std::vector<Line> lines = Parse(circuit);
    Mna m;
    // First pass: nodes and extra unknowns, in a fixed order.
    struct Stamp {
        const Line* line;
        std::vector<int> n;
        int x1 = 0, x2 = 0;
    };
    std::vector<Stamp> stamps;
    int outNode = -1, outCurrent = 0;
    bool currentOutput = false;
    for (const Line& line : lines) {
        char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(line.name[0])));
        Stamp st{&line, {}};
        for (const std::string& n : line.nodes)
            st.n.push_back(m.Node(n));
        std::string keyword = line.name;
        for (char& c : keyword)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (keyword == ".OUT") {
            outNode = st.n.at(0);
            currentOutput = false;
            continue;
        }
        if (keyword == ".IOUT") {
            st.x1 = m.Extra();
            outCurrent = st.x1;
            currentOutput = true;
            stamps.push_back(st);
            continue;
        }
        if (kind == '.')
            continue;
        if (std::string("VEOYKFN").find(kind) != std::string::npos)
            st.x1 = m.Extra();
        if (kind == 'Y' || kind == 'K' || kind == 'N')
            st.x2 = m.Extra();
        stamps.push_back(st);
    }
    m.Size();
    for (const Stamp& st : stamps) {
        const Line& l = *st.line;
        char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(l.name[0])));
        const std::vector<int>& n = st.n;
        double v = l.value;
        if (l.name[0] == '.') {  // ammeter a b
            m.Branch(st.x1, n[0], n[1]);
            m.Volt(st.x1, n[0], n[1], 1.0);
            continue;
        }
        switch (kind) {
        case 'R': m.Y(n[0], n[1], 1.0 / v); break;
        case 'G': m.Y(n[0], n[1], v); break;
        case 'C': m.Y(n[0], n[1], s * v); break;
        case 'L': m.Y(n[0], n[1], 1.0 / (s * v)); break;
        case 'V':
            m.Branch(st.x1, n[0], n[1]);
            m.Volt(st.x1, n[0], n[1], 1.0);
            m.B(st.x1, v);
            break;
        case 'I':
            m.B(n[0], injectInto * v);
            m.B(n[1], -injectInto * v);
            break;
        case 'H':  // current g V(c,d) through the element from a to b
            m.A(n[0], n[2], v);
            m.A(n[0], n[3], -v);
            m.A(n[1], n[2], -v);
            m.A(n[1], n[3], v);
            break;
        case 'E':
            m.Branch(st.x1, n[0], n[1]);
            m.Volt(st.x1, n[0], n[1], 1.0);
            m.Volt(st.x1, n[2], n[3], -v);
            break;
        case 'O':  // output norator a b, input nullator c d
            m.Branch(st.x1, n[0], n[1]);
            m.Volt(st.x1, n[2], n[3], 1.0);
            break;
        case 'F':  // control short c d carries x1; v x1 flows from a to b
            m.Branch(st.x1, n[2], n[3]);
            m.Volt(st.x1, n[2], n[3], 1.0);
            m.A(n[0], st.x1, v);
            m.A(n[1], st.x1, -v);
            break;
        case 'Y':
        case 'K': {  // V(a,b) = r x1, x1 through the control short c d
            cd r = kind == 'K' ? s * v : cd(v);
            m.Branch(st.x1, n[2], n[3]);
            m.Volt(st.x1, n[2], n[3], 1.0);
            m.Branch(st.x2, n[0], n[1]);
            m.Volt(st.x2, n[0], n[1], 1.0);
            m.A(st.x2, st.x1, -r);
            break;
        }
        case 'N':  // V(c,d) = v V(a,b); I(a) = -v I(c)
            m.Branch(st.x1, n[0], n[1]);
            m.Branch(st.x2, n[2], n[3]);
            m.Volt(st.x1, n[2], n[3], 1.0);
            m.Volt(st.x1, n[0], n[1], -v);
            m.A(st.x2, st.x1, 1.0);
            m.A(st.x2, st.x2, v);
            break;
        }
    }
    std::vector<cd> x = m.Solve();
    return currentOutput ? m.Value(x, outCurrent) : m.Value(x, outNode);
}
