#include "viewer/model/FDT.h"
#include "viewer/model/Messages.h"
#include "viewer/responses/RootFinder.h"

// Each curve is searched at its effective degree, divided by its highest
// non-zero coefficient as rows kept as summed are not; an identically zero
// polynomial has no roots to find and fails.
bool FDT::FindRoots(int flag)
{
    const std::vector<CurveRow>& rows = flag ? denominatorRows : numeratorRows;
    const int* effective = flag ? denominatorEffective : numeratorEffective;
    int* count = flag ? poleCount : zeroCount;
    auto& table = flag ? poles : zeros;
    if (rows.empty())
        return false;
    for (int c = 0; c < curveCount; ++c) {
        count[c] = 0;
        int m = effective[c];
        if (m < 0 || m > kMaxRootDegree)
            return false;
        double monic[kMaxRootDegree + 1];
        for (int k = 0; k <= m; ++k)
            monic[k] = rows[k][c] / rows[m][c];
        Complex roots[kMaxRootDegree + 1];
        if (m > 0 && !FindPolynomialRoots(monic, m, 1, roots))
            return false;
        for (int k = 1; k <= m; ++k)
            table[k * kMaxCurves + c] = roots[k];
        count[c] = m;
    }
    return true;
}

bool FDT::RootChecks(bool zerosOk, bool polesOk, std::string& error) const
{
    if (!zerosOk || !polesOk) {
        error = Msg::Convergence;
        return false;
    }
    if (numeratorDegree == 0 && denominatorDegree == 0) {
        error = Msg::NoPolesNoZeros;
        return false;
    }
    return true;
}

bool FDT::PreparePoleZero(std::string& error)
{
    bool ok = EvaluateCoefficients(error) && FunctionExists(error);
    if (ok) {
        bool zerosOk = FindRoots(0);
        bool polesOk = FindRoots(1);
        ok = RootChecks(zerosOk, polesOk, error) && FrequencyChecks(false, error);
    }
    if (!ok)
        viewKind = View::Symbolic;
    return ok;
}
