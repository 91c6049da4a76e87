#pragma once
// Complex arithmetic of the engine: Smith's division and integer powers by
// repeated squaring (std::pow with an integer exponent goes through logs).
#include <cmath>
#include <complex>

inline std::complex<double> SmithDivide(std::complex<double> a, std::complex<double> b)
{
    const double br = b.real(), bi = b.imag();
    if (std::abs(br) >= std::abs(bi)) {
        const double r = bi / br, d = br + bi * r;
        return {(a.real() + a.imag() * r) / d, (a.imag() - a.real() * r) / d};
    }
    const double r = br / bi, d = br * r + bi;
    return {(a.real() * r + a.imag()) / d, (a.imag() * r - a.real()) / d};
}

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
