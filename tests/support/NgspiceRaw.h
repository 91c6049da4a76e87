#pragma once
// Reading what ngspice writes: finding the program and the vectors of a
// binary raw file of an AC analysis.
#include <complex>
#include <map>
#include <string>
#include <vector>

// The program's path found on PATH, or "".
std::string OnPath(const std::string& name);

// The complex vectors of a binary raw file of an AC analysis, by name; none
// when the file is missing, not binary or not whole.
std::map<std::string, std::vector<std::complex<double>>> ReadAcRaw(const std::string& path);
