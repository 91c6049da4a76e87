#pragma once
// Damped Newton search with deflation for the roots of a real polynomial.
#include "viewer/model/Polynomial.h"

inline constexpr int kMaxRootDegree = 59;

// Roots of sum a[k * stride] s^k, k = 0..degree, with a non-zero leading
// coefficient and degree <= kMaxRootDegree, into roots[1..degree]: the first
// root found goes into slot degree, the last (linear) one into slot 1.
// False when the search does not converge or the arithmetic fails.
bool FindPolynomialRoots(const double* a, int degree, int stride, Complex* roots);
