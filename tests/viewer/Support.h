#pragma once
// Helpers of the viewer tests: reference fixtures and network files on disk.
#include <map>
#include <string>
#include <vector>

#include "tests/support/NetworkFiles.h"
#include "tests/support/TempFolder.h"
#include "viewer/model/FDT.h"
#include "viewer/model/Progress.h"

// Records what a computation tells its wait window; presses Abort at the
// given call of AbortRequested (0: never).
class RecordingProgress : public Progress {
public:
    void Begin(bool canAbort) override
    {
        ++begins;
        abortButton = canAbort;
    }
    void SetPercent(int percent) override { percents.push_back(percent); }
    bool AbortRequested() override { return abortAt && ++asked >= abortAt; }
    void ProcessMessages() override { ++polls; }
    void End() override { ++ends; }

    int begins = 0, ends = 0, polls = 0, asked = 0, abortAt = 0;
    bool abortButton = false;
    std::vector<int> percents;
};

struct Reference {
    std::string name;
    std::map<std::string, std::vector<double>> data;
};

// The cases of one file of tests/viewer/fixtures.
std::vector<Reference> LoadReferences(const std::string& file);

// Terms of a polynomial with numeric coefficients (s^0 first), zeros left out.
std::vector<FileTerm> NumericTerms(const std::vector<double>& coefficients);

// Parameter file lines 1 to 4 and any further lines, CR LF after each.
std::string ParText(const std::string& names, const std::string& values, const std::vector<FileTerm>& num,
                    const std::vector<FileTerm>& den, const std::vector<std::string>& more = {});

// Writes base.fdt and base.par for a rational function with numeric
// coefficients and loads it; the interval and end time are given in rad/s and s.
void LoadRational(FDT& f, const TempFolder& dir, const std::vector<double>& num, const std::vector<double>& den);
