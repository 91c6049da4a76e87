#pragma once
// Runs the engine's core on a circuit file and reads back the network function
// it writes (.fdt terms, .par element values).
#include <complex>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Circuito.h"
#include "engine/EngineHost.h"
#include "formats/ParFile.h"
#include "formats/Term.h"

// Records what the core asks of its host; Fatal throws.
class RecordingHost : public EngineHost {
public:
    struct FatalEnd : std::runtime_error {
        using std::runtime_error::runtime_error;
    };
    void ShowMessage(const std::string& text) override
    {
        messages.push_back(text);
        if (onMessage)
            onMessage();
    }
    bool AskYesNo(const std::string& text) override
    {
        questions.push_back(text);
        askedAt.push_back(circuit ? circuit->runningTermCount : -1);
        return answer;
    }
    void ProcessMessages() override
    {
        ++polls;
        if (abortAtPoll && polls >= abortAtPoll && circuit)
            circuit->Abort();
    }
    void Waiting(const std::string& text) override
    {
        waits.push_back(text);
        if (onWaiting)
            onWaiting();
    }
    [[noreturn]] void Fatal(const std::string& text) override { throw FatalEnd(text); }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::int32_t> askedAt;  // the running term count at each question
    std::vector<std::string> waits;
    std::function<void()> onWaiting;
    std::function<void()> onMessage;
    bool answer = true;
    int polls = 0;
    int abortAtPoll = 0;
    Circuito* circuit = nullptr;
};

// Runs a whole analysis of the circuit file as the driver does, its sections
// walked as the settings say (by default as Vimlo walks them).
struct EngineRun {
    bool ok = false;
    int nodes = 0, branches = 0;
    unsigned numeratorTerms = 0, denominatorTerms = 0;
    bool aborted = false;
};
EngineRun RunEngine(const std::string& circuitPath, RecordingHost& host, bool fromCommandLine = false,
                    const Circuito::WalkSettings& settings = {});

// Settings that spread even a small section over several workers, in tasks
// of a few terms each.
Circuito::WalkSettings Spread(int workers, std::uint64_t taskTerms = 3);
// Settings that keep every section on the calling thread.
Circuito::WalkSettings OneThread();

// Runs the analysis with a host of its own; false with the engine's first message.
bool RunEngineOn(const std::string& circuitPath, std::string& message);

// A network function read back from its two files.
struct NetworkFunction {
    ParFile par;
    std::vector<TERM> numerator, denominator;
    std::complex<double> Numerator(std::complex<double> s) const { return Sum(numerator, s); }
    std::complex<double> Denominator(std::complex<double> s) const { return Sum(denominator, s); }
    std::complex<double> At(std::complex<double> s) const { return Numerator(s) / Denominator(s); }
    std::complex<double> Sum(const std::vector<TERM>& terms, std::complex<double> s) const;
};

// Reads X.fdt and X.par; throws on any inconsistency.
NetworkFunction ReadNetworkFunction(const std::string& fdtPath);
