#pragma once
// Real polynomials at complex points, with integer powers by repeated squaring.
#include <complex>

#include "formats/ComplexPower.h"

using Complex = std::complex<double>;

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kTwoPi = 6.283185307179586;  // rad/s per Hz

// Sum of coefficient(k) * s^k for k = 0..degree; coefficient(k) reads slot
// k * stride of a.
Complex EvalPolynomial(const double* a, int degree, Complex s, int stride = 1);

// s^0..s^degree into powers, each as IntPower gives it.
void PowersOf(Complex s, int degree, Complex* powers);
// EvalPolynomial with the powers of s at hand.
Complex EvalWithPowers(const double* a, int degree, const Complex* powers, int stride = 1);

// Highest k <= degree with a[k * stride] != 0, or -1 when all are 0.
int EffectiveDegree(const double* a, int degree, int stride = 1);
