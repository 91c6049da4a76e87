#include "viewer/responses/PadeStepper.h"

#include <cmath>

#include "viewer/model/Polynomial.h"

namespace {

constexpr int kPade = 5;

const Complex kPole[kPade] = {
    {11.83009373916819, 1.593753005885813},
    {11.22085377939519, 4.792964167565669},
    {9.933383722175002, 8.033106334266296},
    {7.781146264464616, 11.36889164904993},
    {4.234522494797, 14.95704378128156},
};

const Complex kResidue[kPade] = {
    {16286.62368050479, -139074.7115516051},
    {-28178.11171305162, 74357.58237274176},
    {14629.74025233142, -19181.80818501836},
    {-2870.418161032078, 1674.109484084304},
    {132.1659412474876, 17.47674798877164},
};

bool Finite(Complex z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); }

struct PadeTerm {
    Complex q, r, g;
    Complex c[kMaxStateSize + 1];
};

}  // namespace

bool PadeImpulse(const double* n, int nd, const double* d, int S, double h, double gain, double* out)
{
    PadeTerm terms[kPade];
    for (int k = 0; k < kPade; ++k) {
        PadeTerm& t = terms[k];
        Complex p = kPole[k] / h;
        t.r = kResidue[k] / h;
        t.q = 1.0 / p;
        bool finite = Finite(p) && Finite(t.r) && Finite(t.q);
        t.c[1] = d[1];
        for (int j = 2; j <= S; ++j) {
            t.c[j] = d[j] + t.c[j - 1] * t.q;
            finite = finite && Finite(t.c[j]);
        }
        t.c[S] += p;
        double size = std::abs(t.c[S]);
        if (!finite || !std::isfinite(size))
            return false;
        t.g = size != 0.0 ? 1.0 / t.c[S] : Complex(0.0, 0.0);
    }
    double x[kMaxStateSize + 1] = {};
    double xn[kMaxStateSize + 1] = {};
    for (int l = 1; l <= kTimeSteps; ++l) {
        for (int k = 0; k < kPade; ++k) {
            const PadeTerm& t = terms[k];
            Complex u(l == 1 ? -1.0 : 0.0, 0.0);
            for (int j = 1; j <= S - 1; ++j)
                u += t.c[j] * x[j];
            Complex v = (x[S] - t.q * u) * t.g;
            xn[S] -= (t.r * v).real();
            for (int m = 1; m <= S - 1; ++m) {
                v = (v + x[S - m]) * t.q;
                xn[S - m] -= (t.r * v).real();
            }
        }
        for (int j = 1; j <= S; ++j) {
            x[j] = xn[j];
            xn[j] = 0.0;
        }
        double sum = 0.0;
        for (int i = 1; i <= nd + 1; ++i)
            sum += n[i] * x[i];
        out[l] = gain * sum / h;
    }
    return true;
}
