#pragma once
// Complex division of the engine by Smith's method.
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
