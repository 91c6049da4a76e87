#include <cmath>

#include "viewer/FDT.h"
#include "viewer/Messages.h"
#include "viewer/PadeStepper.h"

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
    if (!EvaluateCoefficients(error) || !FiniteCoefficients(error)) {
        viewKind = View::Symbolic;
        return false;
    }
    const bool impulse = kind == 1;
    const double h = endTime * 0.005;
    bool drawn = false;
    for (int c = 0; c < curveCount; ++c) {
        int nd = numeratorEffective[c];
        int dd = denominatorEffective[c];
        samples.invalid[0][c] = samples.invalid[1][c] = 1;
        if (dd < 0)
            return fail(Msg::ZeroDenominator);
        if (numeratorDegree == 0 && denominatorDegree == 0)
            return fail(Msg::NoPolesNoZeros);
        // Impulses at t = 0 (the quotient, and for the step its terms in s) are dropped.
        if (nd >= 0 && (nd > dd || (nd == dd && impulse))) {
            double q0 = DividePolynomials(c, nd, dd);
            if (!impulse)
                for (int k = 0; k <= dd; ++k)
                    numeratorRows[k][c] += q0 * denominatorRows[k][c];
            nd = impulse ? dd - 1 : dd;
        }
        double lead = denominatorRows[dd][c];
        int S = impulse ? dd : dd + 1;
        double n[kMaxStateSize + 1] = {};
        double d[kMaxStateSize + 2] = {};
        for (int i = 1; i <= nd + 1; ++i)
            n[i] = numeratorRows[i - 1][c] / lead;
        for (int i = 1; i <= dd; ++i)
            d[i] = denominatorRows[i - 1][c] / lead;
        d[dd + 1] = 1.0;
        if (!impulse) {
            for (int i = dd + 1; i >= 1; --i)
                d[i + 1] = d[i];
            d[1] = 0.0;
        }
        double y[kTimeSteps + 1] = {};
        if (S > 0 && nd >= 0 && !PadeImpulse(n, nd, d, S, h, gain[c], y))
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
