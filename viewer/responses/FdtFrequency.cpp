#include <algorithm>
#include <cmath>

#include "viewer/model/FDT.h"
#include "viewer/model/Messages.h"
#include "viewer/responses/Angle.h"

bool FDT::FrequencyChecks(bool withRoots, std::string& error)
{
    if (withRoots) {
        bool zerosOk = FindRoots(0);
        bool polesOk = FindRoots(1);
        if (!RootChecks(zerosOk, polesOk, error))
            return false;
    }
    // The samples lie at wStart times powers of wEnd / wStart, or on a
    // linear axis at steps of wEnd - wStart, which must be a number.
    if (!(wStart > 0 && wEnd > 0 && wStart < wEnd && std::isfinite(xLinear ? wEnd - wStart : wEnd / wStart))) {
        error = Msg::BadFrequencyLimits;
        return false;
    }
    return true;
}

double FDT::GridFrequency(int u)
{
    double w = xLinear ? wStart + u * (wEnd - wStart) * 0.005 : wStart * std::pow(wEnd / wStart, u * 0.005);
    samples.x[u] = hzUnits ? w * 0.5 * (1.0 / kPi) : w;
    return w;
}

bool FDT::StartSweep(bool withRoots, std::string& error)
{
    if (!EvaluateCoefficients(error) || !FunctionExists(error) || !FrequencyChecks(withRoots, error)) {
        viewKind = View::Symbolic;
        return false;
    }
    ResetDataRange();
    return true;
}

void FDT::ResetDataRange()
{
    if (!zoomed) {
        samples.dataMax = -1e99;
        samples.dataMin = 1e99;
    }
}

// A sample that is not a finite number has no value and leaves the range alone.
void FDT::StoreSample(int u, int curve, double y)
{
    if (!std::isfinite(y)) {
        samples.invalid[u][curve] = 1;
        return;
    }
    samples.y[u][curve] = y;
    samples.invalid[u][curve] = 0;
    if (!zoomed) {
        if (y > samples.dataMax)
            samples.dataMax = y;
        if (y < samples.dataMin)
            samples.dataMin = y;
    }
}

bool FDT::ComputeGain(std::string& error)
{
    if (!StartSweep(false, error))
        return false;
    bool loss = viewKind == View::Loss;
    // The powers of s of a sample serve both polynomials of every curve.
    Complex powers[256];  // the degrees are at most 255, the highest power a term holds
    for (int u = 0; u < kSampleCount; ++u) {
        PowersOf(Complex(0.0, GridFrequency(u)), std::max(numeratorDegree, denominatorDegree), powers);
        for (int c = 0; c < curveCount; ++c) {
            double k = std::fabs(gain[c]);
            double n = std::abs(EvalWithPowers(numeratorRows[0].data() + c, numeratorDegree, powers, kMaxCurves));
            double d = std::abs(EvalWithPowers(denominatorRows[0].data() + c, denominatorDegree, powers, kMaxCurves));
            if (!(n != 0.0 && d != 0.0 && std::isfinite(n) && std::isfinite(d))) {
                samples.invalid[u][c] = 1;
                continue;
            }
            double y;
            if (yLinear)
                y = loss ? d * std::fabs(1.0 / gain[c]) / n : n * k / d;
            else if (loss)
                y = 20.0 * (std::log10(d) + std::log10(std::fabs(1.0 / gain[c])) - std::log10(n));
            else
                y = 20.0 * (std::log10(n) + std::log10(k) - std::log10(d));
            StoreSample(u, c, y);
        }
    }
    return true;
}

namespace {

// The constant before the products of (s - zero) over those of (s - pole) is
// negative: K, times the highest non-zero coefficients of rows kept as summed.
bool NegativeRootGain(const FDT& f, int c)
{
    bool n = f.numeratorRows[f.numeratorEffective[c]][c] < 0, d = f.denominatorRows[f.denominatorEffective[c]][c] < 0;
    return (f.gain[c] < 0) != (n != d);
}

}  // namespace

bool FDT::ComputePhase(std::string& error)
{
    if (!StartSweep(true, error))
        return false;
    for (int c = 0; c < curveCount; ++c) {
        for (int u = 0; u < kSampleCount; ++u) {
            double w = GridFrequency(u);
            Complex s(0.0, w);
            double phi = 0.0;
            for (int k = 1; k <= zeroCount[c]; ++k)
                phi += PrincipalArg(s - Zero(k, c));
            for (int k = 1; k <= poleCount[c]; ++k)
                phi -= PrincipalArg(s - Pole(k, c));
            if (NegativeRootGain(*this, c))
                phi -= kPi;
            StoreSample(u, c, phi * 180.0 * (1.0 / kPi));
        }
    }
    return true;
}

namespace {

// The delay contribution of one root; 0/0 on the axis at w itself counts 0.
double RootDelay(Complex r, double w)
{
    if (r.real() == 0.0 && r.imag() == w)
        return 0.0;
    double dw = w - r.imag();
    return -r.real() / (r.real() * r.real() + dw * dw);
}

}  // namespace

bool FDT::ComputeDelay(std::string& error)
{
    if (!StartSweep(true, error))
        return false;
    for (int c = 0; c < curveCount; ++c) {
        for (int u = 0; u < kSampleCount; ++u) {
            double w = GridFrequency(u);
            double y = 0.0;
            for (int k = 1; k <= poleCount[c]; ++k)
                y += RootDelay(Pole(k, c), w);
            for (int k = 1; k <= zeroCount[c]; ++k)
                y -= RootDelay(Zero(k, c), w);
            StoreSample(u, c, y);
        }
    }
    return true;
}
