#pragma once
// An independent reader of network-function files for the approximation tests,
// and a run of the approximation on one file.
#include <complex>
#include <string>
#include <vector>

#include "viewer/approx/Approx.h"

struct RawTerm {
    std::string bytes;  // the whole record
    double coefficient = 0;
    int power = 0;
    std::vector<int> symbols;

    // coefficient times the symbol values, in long double.
    long double Value(const std::vector<double>& values) const;
    std::complex<long double> At(const std::vector<double>& values, long double w) const;
};

// Both sections of a network-function file; fails the test on any damage.
struct RawFunction {
    std::vector<RawTerm> section[2];
};
RawFunction ReadRaw(const std::string& path);

// Values of parameter-file line 2.
std::vector<double> ParValues(const std::string& parPath);

struct ApproxRun {
    std::string result, error;
    APPROX approx;
};
// Runs the approximation of path with the given choice.
void RunApprox(ApproxRun& run, const std::string& path, const ApproxChoice& choice);
ApproxChoice Choice(const std::string& err, bool coefficients, const std::string& f1 = "1",
                    const std::string& f2 = "10", bool hz = true);
