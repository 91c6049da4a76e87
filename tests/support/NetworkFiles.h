#pragma once
// Network functions written to disk as the engine writes them (base.fdt and
// base.par), for the windows' tests.
#include <string>
#include <vector>

struct FileTerm {
    double coefficient = 1;
    int power = 0;
    std::vector<int> symbols;  // indexes into the names
};

// The highest power of the terms; 0 for none.
int DegreeOf(const std::vector<FileTerm>& terms);

// Writes the terms of both polynomials, each followed by its end record;
// throws when the file cannot be written.
void WriteFdtFile(const std::string& path, const std::vector<FileTerm>& numerator,
                  const std::vector<FileTerm>& denominator);

// Writes folder/base.fdt and folder/base.par; the degrees are the highest
// powers of the terms. Returns the .fdt path.
std::string WriteNetwork(const std::string& folder, const std::string& base, const std::vector<std::string>& names,
                         const std::vector<double>& values, const std::vector<FileTerm>& numerator,
                         const std::vector<FileTerm>& denominator);

// Eight components R1..R8 of values 1..8 and `terms` terms in each of the
// numerator and the denominator, spread over the powers 0 to 3, each with a
// product of its own: a computation long enough to let the event loop run.
std::string WriteManyTerms(const std::string& folder, const std::string& base, int terms);
