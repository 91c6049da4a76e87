#pragma once
// An independent modified nodal analysis of a circuit-file text at one complex
// frequency: every source drives with its written value; the result is the
// output node's voltage (.OUT) or the ammeter's current (.IOUT).
#include <complex>
#include <string>

// injectInto: +1 when a current source "I a b v" pushes v into node a, -1 into b.
std::complex<double> NodalSolve(const std::string& circuit, std::complex<double> s, int injectInto = 1);
