#include <cmath>
#include <limits>

#include "viewer/approx/Approx.h"
#include "viewer/approx/ListTerm.h"
#include "viewer/model/Messages.h"
#include "viewer/model/Polynomial.h"

namespace {

// v (jw)^p: the real part of the power by repeated products, which stays in
// range whenever the result does, and j^p by p mod 4.
Complex TermAt(double v, int p, double w)
{
    double r = v;
    for (int k = 0; k < p; ++k)
        r *= w;
    switch (p % 4) {
    case 0: return {r, 0.0};
    case 1: return {0.0, r};
    case 2: return {-r, 0.0};
    default: return {0.0, -r};
    }
}

bool IsFinite(Complex z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); }

// | |S| - |F| | / |F|; where the polynomial vanishes (|F| = 0) only an
// empty partial sum matches it.
double RelativeError(Complex partial, Complex full)
{
    double f = std::abs(full), s = std::abs(partial);
    if (f == 0.0)
        return s == 0.0 ? 0.0 : std::numeric_limits<double>::infinity();
    return std::abs(s - f) / f;
}

}  // namespace

// Each power of s keeps its largest terms until their sum lies within the
// error of that power's exact coefficient. A power whose terms run out before
// that carries its sum into the next powers, judged against its own
// coefficient. A power whose terms cancel to 0 has no relative error: it
// keeps all of its terms and the next power starts afresh.
void APPROX::ApproxCoefficients()
{
    for (int section = 0; section < 2; ++section) {
        const std::vector<Weighed>& terms = terms_[section];
        std::vector<double> exact(Degree(section) + 1, 0.0);
        TListTerm items;
        items.reserve(terms.size());
        for (std::uint32_t i = 0; i < terms.size(); ++i) {
            exact[terms[i].power] += terms[i].v;
            items.push_back({i, terms[i].v, terms[i].power});
        }
        SortTerms(items, ComparePowerValue);
        std::vector<std::uint32_t>& kept = kept_[section];
        kept.clear();
        int power = -1;  // the power judged
        double partial = 0.0;
        bool open = false;  // its partial sum is not yet within the error
        endPower_[section] = 0;
        for (const TermItem& item : items) {
            endPower_[section] = static_cast<std::uint8_t>(item.power);
            const bool carried = open && exact[power] != 0.0;
            if (item.power != power && !carried) {
                power = item.power;
                partial = 0.0;
                open = true;
            }
            if (!open)
                continue;
            partial += item.value;
            kept.push_back(item.index);
            const double a = exact[power];
            open = !(a != 0.0 && std::abs(partial - a) / std::abs(a) < maxError);
        }
    }
}

// Terms ranked by their magnitude at w1 are kept until the magnitudes of the
// partial sums lie within the error at both w1 and w2.
bool APPROX::ApproxNumDen(std::string& error)
{
    for (int section = 0; section < 2; ++section) {
        const std::vector<Weighed>& terms = terms_[section];
        Complex full1, full2;
        TListTerm items;
        items.reserve(terms.size());
        for (std::uint32_t i = 0; i < terms.size(); ++i) {
            Complex t1 = TermAt(terms[i].v, terms[i].power, w1), t2 = TermAt(terms[i].v, terms[i].power, w2);
            if (!IsFinite(t1) || !IsFinite(t2)) {
                error = Msg::ApproxOutOfRange;
                return false;
            }
            full1 += t1;
            full2 += t2;
            items.push_back({i, std::abs(t1), terms[i].power});
        }
        SortTerms(items, CompareMagnitude);
        std::vector<std::uint32_t>& kept = kept_[section];
        kept.clear();
        Complex partial1, partial2;
        endPower_[section] = 0;
        for (const TermItem& item : items) {
            endPower_[section] = static_cast<std::uint8_t>(item.power);
            const Weighed& t = terms[item.index];
            partial1 += TermAt(t.v, t.power, w1);
            partial2 += TermAt(t.v, t.power, w2);
            errorAtW1 = RelativeError(partial1, full1);
            errorAtW2 = RelativeError(partial2, full2);
            kept.push_back(item.index);
            if (errorAtW1 < maxError && errorAtW2 < maxError)
                break;
        }
    }
    return true;
}
