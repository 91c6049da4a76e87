#pragma once
// Runs the engine's core on a circuit file and evaluates the network function
// it writes (.fdt terms, .par element values) at a complex frequency.
#include "engine/Circuito.h"
#include "engine/EngineHost.h"
#include "formats/Paths.h"
#include "formats/ParFile.h"
#include "formats/Term.h"

#include <complex>
#include <stdexcept>
#include <string>
#include <vector>

class RecordingEngineHost : public EngineHost {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string&) override { return true; }
    void ProcessMessages() override {}
    [[noreturn]] void Fatal(const std::string& text) override { throw std::runtime_error(text); }

    std::vector<std::string> messages;
};

class EngineResult {
public:
    // Analyses the circuit file; throws with the engine's messages on failure.
    explicit EngineResult(const std::string& circuitPath)
    {
        RecordingEngineHost host;
        Circuito circuit(circuitPath, false, host);
        if (circuit.Ok()) {
            circuit.Numerator();
            circuit.Denominator();
        }
        if (!circuit.Ok())
            throw std::runtime_error("engine failed: " + (host.messages.empty() ? "" : host.messages[0]));
        std::string error;
        if (!ReadParFile(ChangeFileExt(circuitPath, ".par"), par_, error))
            throw std::runtime_error(error);
        InFile in;
        if (!in.Open(ChangeFileExt(circuitPath, ".fdt")))
            throw std::runtime_error("no network-function file");
        for (auto* section : {&numerator_, &denominator_})
            for (TERM t; t.Read(in);)
                section->push_back(t);
    }

    std::complex<double> At(std::complex<double> s) const { return Sum(numerator_, s) / Sum(denominator_, s); }
    const std::vector<std::string>& Names() const { return par_.names; }
    std::size_t NumeratorTerms() const { return numerator_.size(); }
    std::size_t DenominatorTerms() const { return denominator_.size(); }

private:
    std::complex<double> Sum(const std::vector<TERM>& terms, std::complex<double> s) const
    {
        std::complex<double> sum = 0;
        for (const TERM& t : terms) {
            std::complex<double> v = t.coefficient;
            for (int p = 0; p < t.power; ++p)
                v *= s;
            for (int k = 0; k < t.count; ++k)
                v *= par_.values.at(t.symbols[k]);
            sum += v;
        }
        return sum;
    }

    ParFile par_;
    std::vector<TERM> numerator_, denominator_;
};
