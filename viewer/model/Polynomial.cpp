#include "viewer/model/Polynomial.h"

Complex EvalPolynomial(const double* a, int degree, Complex s, int stride)
{
    Complex sum(0.0, 0.0);
    for (int k = degree; k >= 0; --k) {
        double c = a[k * stride];
        if (c != 0.0)
            sum += c * IntPower(s, static_cast<unsigned>(k));
    }
    return sum;
}

void PowersOf(Complex s, int degree, Complex* powers)
{
    for (int k = 0; k <= degree; ++k)
        powers[k] = IntPower(s, static_cast<unsigned>(k));
}

Complex EvalWithPowers(const double* a, int degree, const Complex* powers, int stride)
{
    Complex sum(0.0, 0.0);
    for (int k = degree; k >= 0; --k) {
        double c = a[k * stride];
        if (c != 0.0)
            sum += c * powers[k];
    }
    return sum;
}

int EffectiveDegree(const double* a, int degree, int stride)
{
    int k = degree;
    while (k >= 0 && a[k * stride] == 0.0)
        --k;
    return k;
}
