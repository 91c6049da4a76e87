#pragma once
// The angle of a complex value, as every view gives it.
#include "viewer/model/Polynomial.h"

// The principal angle in (-pi, pi]. A part that is zero counts as +0 whatever
// its sign, so zero has the angle 0 and the negative real axis +pi.
double PrincipalArg(Complex z);
