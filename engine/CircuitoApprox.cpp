// The approximated analysis: elements in descending weight, exact values from
// the nodal evaluator, and enumerations that end as soon as the terms written
// match those values in magnitude within the tolerance at every frequency.
#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/CircNum.h"
#include "engine/Circuito.h"
#include "engine/TermBlock.h"
#include "formats/ComplexPower.h"
#include "formats/Term.h"

namespace {

// Capacitors at the last frequency, inductors at the first; a weight that is
// not a number sorts last.
double Weight(const Componente& e, double first, double last)
{
    double w = e.value;
    switch (e.Kind()) {
    case 'C': w = e.value * last; break;
    case 'L': w = 1.0 / (e.value * first); break;
    case 'R': case 'Y': w = 1.0 / e.value; break;
    default: break;
    }
    return std::isnan(w) ? -std::numeric_limits<double>::infinity() : w;
}

bool CompareByWeight(const Componente& x, const Componente& y, double first, double last)
{
    return Weight(x, first, last) > Weight(y, first, last);
}

}  // namespace

void Circuito::SortByWeight()
{
    const double first = frequencies_.front(), last = frequencies_.back();
    std::stable_sort(elements_.begin(), elements_.end(), [first, last](const Componente& x, const Componente& y) {
        return CompareByWeight(x, y, first, last);
    });
}

// From the text read, which the file may no longer hold.
bool Circuito::ComputeExactValues(const std::vector<std::string>& lines)
{
    CircNum exact(lines, host_);
    if (!exact.Ok()) {
        ok_ = false;
        return false;
    }
    for (std::size_t k = 0; k < frequencies_.size(); ++k)
        exactNumerator_[k] = exact.Numerator(frequencies_[k]);
    for (std::size_t k = 0; k < frequencies_.size(); ++k)
        exactDenominator_[k] = exact.Denominator(frequencies_[k]);
    return true;
}

void Circuito::StartApproximation(bool numerator)
{
    reference_ = numerator ? exactNumerator_ : exactDenominator_;
    std::fill(std::begin(partial_), std::end(partial_), 0.0);
    symbolValues_.assign(static_cast<std::size_t>(kMaxSymbols), 0.0);
    std::vector<bool> seen(static_cast<std::size_t>(kMaxSymbols), false);
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        const std::size_t symbol = static_cast<std::size_t>(symbolMap_[i]);
        if (!seen[symbol]) {
            seen[symbol] = true;
            symbolValues_[symbol] = elements_[i].value;
        }
    }
}

// Writes the block's records one by one, adding each term's value at every
// frequency to the partial sums; false once they are close enough, the last
// record written being the one that brought them there.
bool Circuito::CommitApproximated(const TermBlock& block)
{
    TermView term;
    for (std::size_t at = 0; at < block.used;) {
        const std::size_t size = term.Decode(block.bytes + at, block.used - at);
        out_.Put(block.bytes + at, size);
        at += size;
        Count(1, static_cast<unsigned>(term.power));
        double product = term.coefficient;
        for (int k = 0; k < term.count; ++k)
            product *= symbolValues_[term.symbols[k]];
        for (std::size_t i = 0; i < frequencies_.size(); ++i)
            partial_[i] += product * IntPower({0.0, frequencies_[i]}, static_cast<unsigned>(term.power));
        if (WithinTolerance()) {
            WriteOk();
            return false;
        }
    }
    return WriteOk();
}

// An exact value of 0 (or not a number) never passes: that section then
// holds every term rather than a wrong approximation.
bool Circuito::WithinTolerance() const
{
    for (std::size_t i = 0; i < frequencies_.size(); ++i) {
        const double exact = std::abs(reference_[i]);
        if (!(exact > 0.0) || !std::isfinite(exact))
            return false;
        const double error = std::abs(exact - std::abs(partial_[i])) / exact;
        if (!(error <= tolerance_))
            return false;
    }
    return true;
}
