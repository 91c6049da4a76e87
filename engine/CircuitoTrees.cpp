// The common spanning trees of the voltage and current graphs, one term each.
#include <cmath>

#include "engine/Circuito.h"
#include "engine/Graphs.h"
#include "engine/MStack.h"
#include "formats/Term.h"

namespace {

const char kInvalidCircuit[] = "Invalid Circuit!\r\nCheck the circuit schematic!";

// A component left without candidates can never join the others: a level that
// leaves one holds no tree, and skipping it changes nothing that is written.
class Viability {
public:
    Viability(Graphs& voltage, Graphs& current, const std::vector<Componente>& elements)
        : v_(voltage), i_(current), e_(elements.data())
    {
        const int n = voltage.NodeCount();
        std::vector<int> lastV(n + 1, -1), lastI(n + 1, -1);
        for (int c = 0; c < static_cast<int>(elements.size()); ++c) {
            lastV[e_[c].vFrom] = lastV[e_[c].vTo] = c;
            lastI[e_[c].iFrom] = lastI[e_[c].iTo] = c;
        }
        voltage.TrackLastUse(lastV);
        current.TrackLastUse(lastI);
    }
    // Before the first candidate.
    bool Initially() const
    {
        for (int x = 1; x <= v_.NodeCount(); ++x)
            if (!v_.Reachable(x, 0) || !i_.Reachable(x, 0))
                return false;
        return true;
    }
    // Once candidate c is taken or passed.
    bool After(int c) const
    {
        const Componente& e = e_[c];
        return v_.Reachable(e.vFrom, c + 1) && v_.Reachable(e.vTo, c + 1) && i_.Reachable(e.iFrom, c + 1)
            && i_.Reachable(e.iTo, c + 1);
    }

private:
    Graphs& v_;
    Graphs& i_;
    const Componente* e_;
};

}  // namespace

void Circuito::Numerator()
{
    Section(true);
}

void Circuito::Denominator()
{
    Section(false);
    if (ok_)
        FinishFiles();
}

void Circuito::Section(bool numerator)
{
    if (!ok_)
        return;
    const int n = static_cast<int>(nodes_.size());
    voltageGraph_ = std::make_unique<Graphs>(n);
    currentGraph_ = std::make_unique<Graphs>(n);
    section_ = numerator ? "numerator" : "denominator";
    Prepare(numerator);
    EnumerateTrees(numerator);
    if (numerator) {
        numeratorTermCount = termCounter_;
        numeratorHighestPower = highestPower_;
    } else {
        denominatorTermCount = termCounter_;
        denominatorHighestPower = highestPower_;
    }
    if (ok_)
        TERM::WriteEndRecord(out_);
    voltageGraph_.reset();
    currentGraph_.reset();
}

void Circuito::Prepare(bool numerator)
{
    if (numerator)
        FixEdge(*voltageGraph_, outputNode_, outputReference_);
    else
        FixEdge(*voltageGraph_, portNode_, inputNode_);
    FixEdge(*currentGraph_, portNode_, inputNode_);
    for (std::size_t k = 0; k < nullors_.size(); ++k) {
        const Componente& e = nullors_[k];
        FixEdge(*voltageGraph_, e.vFrom, e.vTo);
        FixEdge(*currentGraph_, e.iFrom, e.iTo);
    }
    picksPlusOne_ = static_cast<int>(nodes_.size()) - 1 - static_cast<int>(nullors_.size());
    signAlways_ = numerator;
}

void Circuito::FixEdge(Graphs& graph, int from, int to)
{
    if (!graph.Separate(from, to)) {
        Discard();
        host_.Fatal(kInvalidCircuit);
    }
    graph.Join(from, to);
}

void Circuito::EnumerateTrees(bool numerator)
{
    if (approximation_) {
        EnumerateTreesApprox(numerator);
        return;
    }
    WalkTrees(&Circuito::EmitTerm);
}

void Circuito::WalkTrees(TreeHandler onTree)
{
    const int m = static_cast<int>(elements_.size());
    const int k = picksPlusOne_ - 1;
    const Componente* e = elements_.data();
    Graphs& vg = *voltageGraph_;
    Graphs& cg = *currentGraph_;
    TERM term;
    MStack stack(k);
    inTree_.assign(elements_.size(), 0);
    termCounter_ = 0;
    highestPower_ = 0;
    runningTermCount = 0;
    int controlled = 0;
    int j = 0;

    auto pop = [&]() {
        int p = stack.Pop();
        vg.Unjoin(e[p].vFrom, e[p].vTo);
        cg.Unjoin(e[p].iFrom, e[p].iTo);
        inTree_[p] = 0;
        if (e[p].controlled)
            --controlled;
        return p;
    };

    Viability viability(vg, cg, elements_);
    bool viable = viability.Initially();

    if (k == 0) {
        (this->*onTree)(term, stack, controlled);
        return;
    }
    for (;;) {
        if (stack.Count() == k) {
            if (!(this->*onTree)(term, stack, controlled))
                return;
            Poll();
            j = pop() + 1;
            viable = viability.After(j - 1);
            Poll();
        }
        bool accepted = false;
        while (viable && j < m && stack.Count() + (m - j) >= k) {
            const int c = j++;
            if (vg.Separate(e[c].vFrom, e[c].vTo) && cg.Separate(e[c].iFrom, e[c].iTo)) {
                vg.Join(e[c].vFrom, e[c].vTo);
                cg.Join(e[c].iFrom, e[c].iTo);
                stack.Push(c);
                inTree_[c] = 1;
                if (e[c].controlled)
                    ++controlled;
                if (viability.After(c)) {
                    accepted = true;
                    break;
                }
                pop();
            }
            viable = viability.After(c);
        }
        if (accepted)
            continue;
        if (stack.Empty() || abort || !ok_)
            return;
        j = pop() + 1;
        viable = viability.After(j - 1);
        Poll();
    }
}

bool Circuito::EmitTerm(TERM& term, const MStack& stack, int controlledCount)
{
    const bool signed_ = controlledCount != 0 || !nullors_.empty() || signAlways_;
    double coefficient = signed_ ? static_cast<double>(TreeSign()) : 1.0;
    unsigned power = 0;
    unsigned count = 0;
    bool tooMany = false;
    auto contribute = [&](int index) {
        const Componente& c = elements_[index];
        if (c.symbolic) {
            if (count == TERM::kMaxSymbols)
                tooMany = true;
            else
                term.symbols[count++] = static_cast<std::uint8_t>(symbolMap_[index]);
        } else {
            coefficient *= c.value;
        }
        if (c.reactive)
            ++power;
    };
    for (int i = 0; i < stack.Count(); ++i) {
        int index = stack.At(i);
        if (!elements_[index].impedance)
            contribute(index);
    }
    for (int index : impedances_)
        if (!inTree_[index])
            contribute(index);
    if (tooMany || power > 255 || !std::isfinite(coefficient)) [[unlikely]] {
        if (tooMany || power > 255)
            Fail("A term of this circuit needs more than 255 symbols or powers of s:\r\n"
                 "it cannot be written.");
        else
            Fail(std::string("A term of the ") + section_ + " has a coefficient too large to be written:\r\n"
                 "the product of its numeric element values overflows.");
        return false;
    }
    if (count == 0 && coefficient == 0.0)
        return true;  // a zero term; written, it would read as an end record
    term.coefficient = coefficient;
    term.power = static_cast<std::uint8_t>(power);
    term.count = static_cast<std::uint8_t>(count);
    term.Write(out_);
    ++termCounter_;
    runningTermCount = static_cast<std::int32_t>(termCounter_);
    if (!asked_ && termCounter_ > kBigOutputTerms)
        AskBigOutput();
    if (power > highestPower_)
        highestPower_ = power;
    return true;
}

// Both forests keep their determinants as they grow, with the columns in the
// order joined: the same order in both, so their product is the tree's sign.
std::int32_t Circuito::TreeSign() { return currentGraph_->Det() * voltageGraph_->Det(); }
