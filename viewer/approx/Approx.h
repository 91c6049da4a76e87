#pragma once
// Shortens a network function to the terms that matter within an error limit
// and writes the result beside its source as <base>_App.fdt and <base>_App.par.
#include <cstdint>
#include <string>
#include <vector>

class Progress;
class PassProgress;

// What the approximation dialog holds: its edits as typed and its boxes.
struct ApproxChoice {
    std::string err = "5";                  // maximum relative error in per cent
    std::string freq1 = "1", freq2 = "10";  // judging frequencies of Num./Den.
    bool hz = true;                         // the frequencies are in Hz, else rad/s
    bool coefficients = true;               // per coefficient, else Num./Den.
};

class APPROX {
public:
    // Reads the source pair, runs the chosen mode and writes both files.
    // Returns the _App.fdt path, or "" with the text to show; on failure
    // nothing has been written.
    std::string Approximate(const std::string& fdtPath, const ApproxChoice& choice, std::string& error);

    // Terms kept of the numerator (0) and the denominator (1).
    std::uint32_t KeptCount(int section) const { return static_cast<std::uint32_t>(kept_[section].size()); }

    double w1 = 0, w2 = 0;                // rad/s
    double maxError = 0;                  // a fraction
    double errorAtW1 = 0, errorAtW2 = 0;  // last computed in Num./Den. mode
    std::string fdtName, parName, appFdtName, appParName;
    std::vector<double> values;           // symbol values, parameter-file line 2
    int valueCount = 0;
    std::int64_t numeratorTermCount = 0, denominatorTermCount = 0;
    int numeratorDegree = 0, denominatorDegree = 0;
    Progress* progress = nullptr;         // the window's wait window, not owned

private:
    // A term of the source as the modes weigh it.
    struct Weighed {
        double v;            // coefficient times the values of its symbols
        std::uint8_t power;
        std::uint8_t count;  // symbols, for the size of its record
    };

    void TakeChoice(const ApproxChoice& choice);
    bool ReadPar(std::string& error);
    bool Weigh(PassProgress* pass, std::string& error);
    void ApproxCoefficients();
    bool ApproxNumDen(std::string& error);
    bool CopyKept(PassProgress* pass, std::string& fdtBytes, std::string& error) const;
    std::string AppParText() const;
    int Degree(int section) const { return section == 0 ? numeratorDegree : denominatorDegree; }

    std::vector<std::string> parLines_;
    std::vector<Weighed> terms_[2];
    std::vector<std::uint32_t> kept_[2];  // indexes into terms_, in ranking order
    std::uint8_t endPower_[2] = {};       // power of the last term each mode handled, per section
};
