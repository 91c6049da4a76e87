#pragma once
// Integer powers of complex numbers by repeated squaring, for both programs
// (std::pow with an integer exponent goes through exp and log and is inexact).
#include <complex>

inline std::complex<double> IntPower(std::complex<double> z, unsigned n)
{
    std::complex<double> result = 1.0;
    while (n) {
        if (n & 1u)
            result *= z;
        n >>= 1;
        if (n)
            z *= z;
    }
    return result;
}
