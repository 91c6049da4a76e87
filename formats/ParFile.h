#pragma once
// The parameter file beside a network-function file: element names and values,
// degrees and term counts, and the settings a result window saved.
#include <string>
#include <vector>

struct ParFile {
    static constexpr int kSweepSlots = 6;

    std::vector<std::string> names;  // line 1; "$" for a numeric element
    std::vector<double> values;      // line 2, one per name

    bool hasCounts = false;          // lines 3 and 4 present
    unsigned numeratorDegree = 0, numeratorTerms = 0;
    unsigned denominatorDegree = 0, denominatorTerms = 0;

    bool hasRange = false;           // line 5
    double startHz = 0, endHz = 0, endTime = 0;

    bool hasSweep = false;           // lines 6 and 7
    int sweepIndex = 0;
    double sweepValues[kSweepSlots] = {};

    // Values before the first 0 of line 7; 6 when none is 0; 1 without a sweep.
    int CurveCount() const;
};

// Reads lines 1 to 7. On failure returns false with a message naming the file.
bool ReadParFile(const std::string& path, ParFile& par, std::string& error);
// ReadParFile for a network function to show or approximate: lines 3 and 4
// must be present and give terms to both polynomials.
bool ReadAnalysedParFile(const std::string& path, ParFile& par, std::string& error);

// Line 3 or 4: degree, blank, term count, CR LF.
std::string ParCountLine(unsigned degree, unsigned terms);

// The whole file as a result window saves it: names and values of
// lines 1 and 2 with FloatToStr, lines 3 and 4, line 5, and lines 6 and 7 when
// hasSweep is set, whatever their values.
std::string ParFileText(const ParFile& par);
// Rewrites the file with that text; the old file survives a failed write.
bool WriteParFile(const std::string& path, const ParFile& par);
