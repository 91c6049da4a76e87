#include <cmath>

#include "viewer/model/FDT.h"
#include "viewer/model/Messages.h"
#include "viewer/responses/PadeStepper.h"

// The remainder of the numerator of curve c (degree a) divided by its
// denominator (degree b, non-zero leading coefficient) replaces the numerator;
// the quotient's entries are cleared. Returns the quotient's constant term.
double FDT::DividePolynomials(int c, int a, int b)
{
    double q0 = 0.0;
    for (int top = a; top >= b; --top) {
        double f = numeratorRows[top][c] / denominatorRows[b][c];
        for (int i = 0; i < b; ++i)
            numeratorRows[i + top - b][c] -= f * denominatorRows[i][c];
        numeratorRows[top][c] = 0.0;
        if (top == b)
            q0 = f;
    }
    return q0;
}

namespace {

// What the stepper takes of one curve: the numerator n[1..nd+1] (nd -1 for
// none) over the monic denominator d[1..S+1], the step response's with its
// extra factor s.
struct StateForm {
    double n[kMaxStateSize + 1] = {};
    double d[kMaxStateSize + 2] = {};
    int nd = -1;
    int S = 0;
};

// Impulses at t = 0 (the quotient, and for the step its terms in s) are dropped.
StateForm StateFormOf(FDT& f, int c, bool impulse)
{
    StateForm form;
    int nd = f.numeratorEffective[c];
    const int dd = f.denominatorEffective[c];
    if (nd >= 0 && (nd > dd || (nd == dd && impulse))) {
        double q0 = f.DividePolynomials(c, nd, dd);
        if (!impulse)
            for (int k = 0; k <= dd; ++k)
                f.numeratorRows[k][c] += q0 * f.denominatorRows[k][c];
        nd = impulse ? dd - 1 : dd;
    }
    const double lead = f.denominatorRows[dd][c];
    form.nd = nd;
    form.S = impulse ? dd : dd + 1;
    for (int i = 1; i <= nd + 1; ++i)
        form.n[i] = f.numeratorRows[i - 1][c] / lead;
    for (int i = 1; i <= dd; ++i)
        form.d[i] = f.denominatorRows[i - 1][c] / lead;
    form.d[dd + 1] = 1.0;
    if (!impulse) {
        for (int i = dd + 1; i >= 1; --i)
            form.d[i + 1] = form.d[i];
        form.d[1] = 0.0;
    }
    return form;
}

}  // namespace

bool FDT::ComputeTimeResponse(int kind, std::string& error)
{
    auto fail = [&](const char* text) {
        error = text;
        viewKind = View::Symbolic;
        return false;
    };
    if (!(endTime > 0) || !std::isfinite(endTime))
        return fail(Msg::InvalidEndTime);
    ResetDataRange();
    if (!EvaluateCoefficients(error) || !FunctionExists(error)) {
        viewKind = View::Symbolic;
        return false;
    }
    const bool impulse = kind == 1;
    const double h = endTime * 0.005;
    bool drawn = false;
    for (int c = 0; c < curveCount; ++c) {
        samples.invalid[0][c] = samples.invalid[1][c] = 1;
        if (numeratorDegree == 0 && denominatorDegree == 0)
            return fail(Msg::NoPolesNoZeros);
        const StateForm form = StateFormOf(*this, c, impulse);
        double y[kTimeSteps + 1] = {};
        if (form.S > 0 && form.nd >= 0 && !PadeImpulse(form.n, form.nd, form.d, form.S, h, gain[c], y))
            return fail(Msg::InvalidEndTime);
        // Samples 0 and 1 are not drawn, so they leave the range alone.
        samples.y[1][c] = y[1];
        for (int l = 1; l <= kTimeSteps; ++l) {
            samples.x[l] = l * h;
            if (l > 1)
                StoreSample(l, c, y[l]);
            drawn = drawn || !samples.invalid[l][c];
        }
    }
    // Not one sample to draw: the steps overflowed at this end time.
    if (!drawn)
        return fail(Msg::InvalidEndTime);
    samples.x[0] = 0.0;
    viewKind = kind + 5;
    return true;
}
