#include "viewer/responses/Angle.h"

#include <cmath>

double PrincipalArg(Complex z)
{
    double a = std::atan2(z.imag() == 0.0 ? 0.0 : z.imag(), z.real() == 0.0 ? 0.0 : z.real());
    return a == -kPi ? kPi : a;
}
