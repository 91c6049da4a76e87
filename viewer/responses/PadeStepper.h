#pragma once
// Time response of a strictly proper rational function by a fifth-order Padé
// approximation of the exponential (five complex pole/residue pairs).

inline constexpr int kTimeSteps = 200;
inline constexpr int kMaxStateSize = 257;

// Impulse response of n(s) / d(s) stepped over kTimeSteps steps of h:
// n[1..nd+1] holds the coefficients of s^0..s^nd, d[1..S+1] those of a monic
// denominator of degree S (1 <= S <= kMaxStateSize - 1, nd + 1 <= S).
// out[l] (l = 1..kTimeSteps) is gain times the mean of the response over step l.
// False, with out untouched, when the step h puts a Padé constant of the
// stepper beyond a double (an end time far too small or large for the function).
bool PadeImpulse(const double* n, int nd, const double* d, int S, double h, double gain, double* out);
