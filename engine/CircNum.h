#pragma once
// The numeric network function of a circuit file: one modified nodal matrix
// of first-degree polynomials in s, whose minors give the numerator and the
// denominator at s = j x without enumerating trees.
//
// Every source drives with its written value: a voltage source has its own
// current variable, and all sources stamp their values into the input
// column, the last column, whose row stays empty. The denominator is the
// minor without that row and column (the nodal determinant); the numerator is
// the minor without that row and the output column, signed so that
// numerator / denominator is the output.
#include <complex>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/CircuitText.h"
#include "engine/MATRIX.h"

class EngineHost;

class CircNum {
public:
    // Stamps the lines of a circuit file; on an error the host has been told
    // and Ok() is false.
    CircNum(const std::vector<std::string>& lines, EngineHost& host);

    bool Ok() const { return ok_; }
    std::complex<double> Numerator(double x) const;
    std::complex<double> Denominator(double x) const;

private:
    // The two passes over the lines after the title; false for a line that
    // is no statement of the circuit file.
    bool ReadLine(const std::string& line, int pass);
    void CountLine(const Statement& s);
    void StampLine(const Statement& s);
    void StampOutput(const Statement& s);
    int Node(const std::string& name);
    int Extra() { return next_++; }
    std::complex<double> Value(int column, double x) const;

    EngineHost& host_;
    bool ok_ = true;
    int size_ = 0;
    int extras_ = 0;
    int next_ = 0;
    int input_ = 0;
    int output_ = 0;
    MATRIX matrix_{0};
    std::vector<std::string> nodes_;
    std::unordered_map<std::string, int> nodeIndex_;  // upper-cased name -> number
};
