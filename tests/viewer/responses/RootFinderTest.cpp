#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/viewer/Support.h"
#include "viewer/model/Messages.h"
#include "viewer/responses/RootFinder.h"

namespace {

std::vector<Complex> Roots(const std::vector<double>& a)
{
    int degree = static_cast<int>(a.size()) - 1;
    Complex slots[kMaxRootDegree + 1];
    EXPECT_TRUE(FindPolynomialRoots(a.data(), degree, 1, slots));
    return std::vector<Complex>(slots + 1, slots + 1 + degree);
}

}  // namespace

TEST(RootFinder, AgreesWithNumpyRoots)
{
    for (const Reference& ref : LoadReferences("roots.txt")) {
        SCOPED_TRACE(ref.name);
        std::vector<Complex> found = Roots(ref.data.at("coeffs"));
        const std::vector<double>& flat = ref.data.at("roots");
        double tol = ref.data.at("tol")[0];
        ASSERT_EQ(found.size() * 2, flat.size());
        std::vector<bool> used(found.size(), false);
        for (std::size_t i = 0; i < flat.size(); i += 2) {
            Complex expected(flat[i], flat[i + 1]);
            std::size_t best = 0;
            double bestDistance = INFINITY;
            for (std::size_t k = 0; k < found.size(); ++k)
                if (!used[k] && std::abs(found[k] - expected) < bestDistance) {
                    bestDistance = std::abs(found[k] - expected);
                    best = k;
                }
            used[best] = true;
            EXPECT_LE(bestDistance, tol * std::max(1.0, std::abs(expected))) << expected;
        }
    }
}

TEST(RootFinder, SlotsAndRoundingOfNegligibleParts)
{
    // Degree 1: -a0/a1 in slot 1 without iterating.
    EXPECT_EQ(Roots({6.0, 2.0})[0], Complex(-3.0, 0.0));
    // s^2 + 1: +-j with real parts exactly 0.
    for (Complex r : Roots({1.0, 0.0, 1.0})) {
        EXPECT_EQ(r.real(), 0.0);
        EXPECT_NEAR(std::fabs(r.imag()), 1.0, 1e-12);
    }
    // (s - 3)(s^2 + 2s + 5): the real root is stored with imaginary part 0.
    bool three = false;
    for (Complex r : Roots({-15.0, -1.0, -1.0, 1.0}))
        if (std::fabs(r.real() - 3.0) < 1e-9) {
            three = true;
            EXPECT_EQ(r.imag(), 0.0);
        }
    EXPECT_TRUE(three);
    // The linear last root goes into slot 1: for s(s + 1), a factor s first.
    std::vector<Complex> r = Roots({0.0, 1.0, 1.0});
    EXPECT_EQ(r[1], Complex(0.0, 0.0));
    EXPECT_EQ(r[0], Complex(-1.0, 0.0));
}

TEST(RootFinder, LargeRootsConvergeLikeSmallOnes)
{
    // (s + 1)(s + 2)(s + 3) and (s + 1)^2 (s + 2) with s scaled: the roots scale along.
    struct Case {
        double scale;
        std::vector<double> unit;    // coefficients at scale 1
        std::vector<double> roots;   // magnitudes at scale 1
        double tol;
    };
    const std::vector<double> distinct = {6.0, 11.0, 6.0, 1.0}, twice = {2.0, 5.0, 4.0, 1.0};
    for (const Case& c : {Case{1e-6, distinct, {1, 2, 3}, 1e-9}, Case{1.0, distinct, {1, 2, 3}, 1e-9},
                          Case{1e10, distinct, {1, 2, 3}, 1e-9}, Case{1e5, twice, {1, 1, 2}, 1e-6},
                          Case{1e10, twice, {1, 1, 2}, 1e-6}}) {
        SCOPED_TRACE(c.scale);
        std::vector<double> a = c.unit;
        for (int k = 0; k < 3; ++k)
            a[k] *= std::pow(c.scale, 3 - k);
        std::vector<Complex> found = Roots(a);
        std::sort(found.begin(), found.end(), [](Complex x, Complex y) { return std::abs(x) < std::abs(y); });
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(std::abs(found[k]) / c.scale, c.roots[k], c.tol) << found[k];
    }
}

TEST(RootFinder, RefusesWhatTheTablesCannotHold)
{
    std::vector<double> a(kMaxRootDegree + 2, 0.0);
    a[0] = 1.0;
    a.back() = 1.0;
    Complex slots[kMaxRootDegree + 2];
    EXPECT_FALSE(FindPolynomialRoots(a.data(), kMaxRootDegree + 1, 1, slots));
    std::vector<double> zeroLead = {1.0, 1.0, 0.0};
    EXPECT_FALSE(FindPolynomialRoots(zeroLead.data(), 2, 1, slots));
}

TEST(RootFinder, DegreeAboveTheTablesIsAConvergenceFailure)
{
    TempFolder dir;
    FDT f;
    std::vector<double> den(61, 0.0);
    den[0] = 1.0;
    den[60] = 1.0;
    LoadRational(f, dir, {1.0}, den);
    f.wStart = 1;
    f.wEnd = 10;
    std::string error;
    EXPECT_FALSE(f.PreparePoleZero(error));
    EXPECT_EQ(error, Msg::Convergence);
    EXPECT_EQ(f.GetViewKind(), View::Symbolic);
}
