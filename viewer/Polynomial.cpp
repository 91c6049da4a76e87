#include "viewer/Polynomial.h"

Complex IntPow(Complex z, int k)
{
    Complex result(1.0, 0.0);
    while (k > 0) {
        if (k & 1)
            result *= z;
        k >>= 1;
        if (k)
            z *= z;
    }
    return result;
}

Complex EvalPolynomial(const double* a, int degree, Complex s, int stride)
{
    Complex sum(0.0, 0.0);
    for (int k = degree; k >= 0; --k) {
        double c = a[k * stride];
        if (c != 0.0)
            sum += c * IntPow(s, k);
    }
    return sum;
}

void PowersOf(Complex s, int degree, Complex* powers)
{
    for (int k = 0; k <= degree; ++k)
        powers[k] = IntPow(s, k);
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
