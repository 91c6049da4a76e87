#include <algorithm>
#include <cmath>

#include "viewer/model/FDT.h"
#include "viewer/model/Messages.h"
#include "viewer/model/TermScan.h"

namespace {

// Curve colours 0 to 5 as 0xRRGGBB: blue, red, green, fuchsia, purple, grey.
constexpr std::uint32_t kCurveColours[kMaxCurves] = {0x0000FF, 0xFF0000, 0x008000,
                                                     0xFF00FF, 0x800080, 0x808080};

// Adds every term into its row for the first Curves curves; values holds
// the value of component j for curve c at j * Curves + c.
template <int Curves>
struct RowSum {
    const double* values;
    std::vector<CurveRow>* rows[2];

    void operator()(int section, const TermView& term) const
    {
        double v[Curves];
        for (int c = 0; c < Curves; ++c)
            v[c] = term.coefficient;
        for (int k = 0; k < term.count; ++k) {
            const double* factor = values + term.symbols[k] * Curves;
            for (int c = 0; c < Curves; ++c)
                v[c] = factor[c] * v[c];
        }
        CurveRow& row = (*rows[section])[term.power];
        for (int c = 0; c < Curves; ++c)
            row[c] += v[c];
    }
};

}  // namespace

bool FDT::EvaluateCoefficients(std::string& error)
{
    if (viewKind == View::Phasor)
        return ComputePhasor(error);
    const int curves = curveCount == 1 ? 1 : kMaxCurves;
    std::vector<double> values(components.size() * curves, 0.0);
    for (int j = 0; j < CompoCount(); ++j)
        for (int c = 0; c < curves; ++c)
            values[j * curves + c] = c < curveCount ? CompoValueForCurve(j, c) : 0.0;
    std::vector<CurveRow> num(numeratorDegree + 1, CurveRow{}), den(denominatorDegree + 1, CurveRow{});
    TermScan scan{fdtPath, {numeratorDegree, denominatorDegree}, CompoCount(),
                  numeratorTerms + denominatorTerms, progress, true};
    bool ok = curves == 1 ? scan.Run(RowSum<1>{values.data(), {&num, &den}}, error)
                          : scan.Run(RowSum<kMaxCurves>{values.data(), {&num, &den}}, error);
    if (!ok)
        return false;
    // A curve whose coefficient of either degree is 0 keeps its rows as summed.
    for (int c = 0; c < curveCount; ++c) {
        numeratorEffective[c] = EffectiveDegree(num[0].data() + c, numeratorDegree, kMaxCurves);
        denominatorEffective[c] = EffectiveDegree(den[0].data() + c, denominatorDegree, kMaxCurves);
        double a = num[numeratorDegree][c], b = den[denominatorDegree][c];
        if (a == 0.0 || b == 0.0)
            a = b = 1.0;
        gain[c] = a / b;
        for (CurveRow& row : num)
            row[c] /= a;
        for (CurveRow& row : den)
            row[c] /= b;
    }
    for (int c = curveCount; c < kMaxCurves; ++c) {
        for (CurveRow& row : num)
            row[c] = 0.0;
        for (CurveRow& row : den)
            row[c] = 0.0;
    }
    numeratorRows = std::move(num);
    denominatorRows = std::move(den);
    for (int c = 0; c < kMaxCurves; ++c)
        curveColours[c] = kCurveColours[c];
    return true;
}

const char* FDT::CurveProblem(int c) const
{
    bool finite = std::isfinite(gain[c]);
    for (const auto* rows : {&numeratorRows, &denominatorRows})
        for (const CurveRow& row : *rows)
            finite = finite && std::isfinite(row[c]);
    if (!finite)
        return Msg::NotFiniteCoefficients;
    return denominatorEffective[c] < 0 ? Msg::NoFiniteFunction : nullptr;
}

bool FDT::FunctionExists(std::string& error) const
{
    for (int c = 0; c < curveCount; ++c) {
        if (const char* problem = CurveProblem(c)) {
            error = problem;
            return false;
        }
    }
    return true;
}

bool FDT::ComputePhasor(std::string& error)
{
    std::vector<Complex> acc[2] = {std::vector<Complex>(numeratorDegree + 1),
                                   std::vector<Complex>(denominatorDegree + 1)};
    std::vector<Complex> phasors(components.size());
    for (int j = 0; j < CompoCount(); ++j)
        phasors[j] = CompoPhasor(j);
    TermScan scan{fdtPath, {numeratorDegree, denominatorDegree}, CompoCount(),
                  numeratorTerms + denominatorTerms, progress, false};
    auto add = [&](int section, const TermView& term) {
        Complex t(term.coefficient, 0.0);
        for (int k = 0; k < term.count; ++k)
            t = t * phasors[term.symbols[k]];
        acc[section][term.power] += t;
    };
    if (!scan.Run(add, error))
        return false;
    const Complex zero(0.0, 0.0);
    Complex s(0.0, wStart);
    Complex sum[2];
    for (int section = 0; section < 2; ++section)
        for (int k = static_cast<int>(acc[section].size()) - 1; k >= 0; --k)
            if (acc[section][k] != zero)
                sum[section] += acc[section][k] * IntPower(s, static_cast<unsigned>(k));
    phasorResult = sum[0] / sum[1];
    phasorProblem = nullptr;
    if (std::all_of(acc[1].begin(), acc[1].end(), [&](Complex a) { return a == zero; }))
        phasorProblem = Msg::NoFiniteFunction;
    else if (sum[1] == zero || !std::isfinite(phasorResult.real()) || !std::isfinite(phasorResult.imag()))
        phasorProblem = Msg::NoFiniteValue;
    return true;
}

Complex FDT::ResponseAt(double w) const
{
    if (numeratorRows.empty() || denominatorRows.empty())
        return {std::nan(""), std::nan("")};
    Complex s(0.0, w);
    Complex n = EvalPolynomial(numeratorRows[0].data(), numeratorDegree, s, kMaxCurves);
    Complex d = EvalPolynomial(denominatorRows[0].data(), denominatorDegree, s, kMaxCurves);
    return gain[0] * n / d;
}
