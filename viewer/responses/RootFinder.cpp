#include "viewer/responses/RootFinder.h"

#include <cmath>

namespace {

constexpr double kEps = 1e-8;
constexpr int kMaxIterations = 50;
constexpr int kMaxQuarterings = 40;

bool Finite(Complex z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); }

// The polynomial being deflated, its powers at the current point and its value.
struct Search {
    Complex a[kMaxRootDegree + 2];
    Complex p[kMaxRootDegree + 2];
    int m = 0;

    // Powers of z by the real two-term recurrence; returns f(z).
    Complex Evaluate(Complex z)
    {
        p[0] = 1.0;
        p[1] = z;
        double twoRe = 2.0 * z.real();
        double mod2 = z.real() * z.real() + z.imag() * z.imag();
        for (int k = 2; k <= m; ++k)
            p[k] = twoRe * p[k - 1] - mod2 * p[k - 2];
        Complex f = a[0];
        for (int k = 1; k <= m; ++k)
            f += a[k] * p[k];
        return f;
    }

    Complex Derivative() const
    {
        Complex d = 0.0;
        for (int k = 1; k <= m; ++k)
            d += static_cast<double>(k) * a[k] * p[k - 1];
        return d;
    }

    // Sum of |a[k]| |z|^k: the size of the terms whose sum is f(z).
    double Scale() const
    {
        double s = 0.0;
        for (int k = 0; k <= m; ++k)
            s += std::abs(a[k]) * std::abs(p[k]);
        return s;
    }

    // Divides by (s - r), dropping the remainder.
    void Deflate(Complex r)
    {
        for (int k = m - 1; k >= 0; --k)
            a[k] += a[k + 1] * r;
        for (int k = 0; k < m; ++k)
            a[k] = a[k + 1];
        --m;
    }

    bool NewtonRoot(Complex& root);
};

// One root of the current polynomial (m > 1); tolerances are relative to the
// size of the root, so that roots at 1e10 rad/s converge like roots at 1.
bool Search::NewtonRoot(Complex& root)
{
    Complex z(0.1, 1.0);
    Complex f = Evaluate(z);
    double e = std::abs(f);
    for (int j = 1;; ++j) {
        double ePrev = e;
        Complex fp = Derivative();
        if (fp == Complex(0.0, 0.0))
            return false;
        Complex delta = -f / fp;
        if (!Finite(delta))
            return false;
        for (int t = 1;; ++t) {
            Complex r = z + delta;
            f = Evaluate(r);
            e = std::abs(f);
            double tol = kEps * std::abs(r);
            if (!(e > ePrev)) {
                if (std::fabs(delta.real()) <= tol && std::fabs(delta.imag()) <= tol) {
                    root = r;
                    return Finite(r);
                }
                if (j > kMaxIterations)
                    return false;
                z = r;
                break;
            }
            if (t > kMaxQuarterings) {
                double limit = 10.0 * kEps * Scale();
                if (std::fabs(f.real()) <= limit && std::fabs(f.imag()) <= limit) {
                    root = r;
                    return Finite(r);
                }
                return false;
            }
            delta /= 4.0;
        }
    }
}

// The stored copy loses parts that are negligible beside the root.
Complex Rounded(Complex r)
{
    double tol = kEps * std::abs(r);
    return {std::fabs(r.real()) < tol ? 0.0 : r.real(), std::fabs(r.imag()) < tol ? 0.0 : r.imag()};
}

}  // namespace

bool FindPolynomialRoots(const double* a, int degree, int stride, Complex* roots)
{
    if (degree < 0 || degree > kMaxRootDegree || a[degree * stride] == 0.0)
        return false;
    Search s;
    s.m = degree;
    for (int k = 0; k <= degree; ++k)
        s.a[k] = a[k * stride];
    while (s.m > 1) {
        Complex r;
        if (s.a[0] == Complex(0.0, 0.0))
            r = 0.0;  // a factor s: the root is exactly 0
        else if (!s.NewtonRoot(r))
            return false;
        roots[s.m] = Rounded(r);
        s.Deflate(r);
    }
    if (s.m == 1) {
        if (s.a[1] == Complex(0.0, 0.0))
            return false;
        Complex r = -s.a[0] / s.a[1];
        if (!Finite(r))
            return false;
        roots[1] = Rounded(r);
    }
    return true;
}
