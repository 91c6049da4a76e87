#pragma once
// The engine's circuit: reads a circuit file, translates it into the voltage
// and current graphs, and generates the numerator and denominator terms.
#include <complex>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/CircuitText.h"
#include "engine/Componente.h"
#include "engine/EngineHost.h"
#include "engine/TreeWalk.h"
#include "formats/BinaryFile.h"
#include "formats/ExclusiveLock.h"
#include "formats/ResultPair.h"

class Circuito {
public:
    static constexpr int kMaxFrequencies = kMaxAppFrequencies;
    static constexpr int kMaxSymbols = 256;
    static constexpr unsigned kBigOutputTerms = 200000;

    // Reads and translates the file and writes parameter-file lines 1 and 2.
    // On any error the host has been told and Ok() is false. Runs that write
    // the same result files take turns: a second one waits here, unless the
    // host gives the wait up (then Ok() is false and abort is set).
    Circuito(const std::string& path, bool fromCommandLine, EngineHost& host);
    ~Circuito();
    Circuito(const Circuito&) = delete;
    Circuito& operator=(const Circuito&) = delete;

    bool Ok() const { return ok_; }

    // The two sections of the network-function file. After Denominator the
    // result files are complete and in place together (also after an abort).
    // A failure (a write error, a term too large for its record) is reported
    // through the host, leaves Ok() false and the earlier result files as
    // they were.
    void Numerator();
    void Denominator();

    // Set from the host's Abort command; stays set.
    void Abort() { abort = true; }

    // How a section's enumeration is spread over threads. The calling thread
    // walks alone first, so a small circuit never starts a thread; then the
    // workers walk and the calling thread writes their records in order and
    // lets the host's events run.
    struct WalkSettings {
        int workers = 0;                        // 0: one per core the process may use
        std::uint64_t sequentialTerms = 50000;  // terms written before the workers start
        std::uint64_t taskTerms = 8192;         // a worker's task hands on its rest after this many
    };
    void SetWalkSettings(const WalkSettings& settings) { walkSettings_ = settings; }

    // Read by the driver.
    int nodeCount = 0;
    int branchCount = 0;
    unsigned numeratorTermCount = 0, denominatorTermCount = 0;
    unsigned numeratorHighestPower = 0, denominatorHighestPower = 0;
    std::int32_t runningTermCount = 0;
    std::string circuitPath, fdtPath, parPath;
    bool abort = false;

    // The translation, for tests and the approximation.
    const std::vector<Componente>& Elements() const { return elements_; }
    const std::vector<Componente>& Nullors() const { return nullors_; }
    const std::vector<std::string>& NodeNames() const { return nodes_; }
    const std::vector<int>& SymbolMap() const { return symbolMap_; }
    int InputNode() const { return inputNode_; }
    int PortNode() const { return portNode_; }
    int OutputNode() const { return outputNode_; }
    int OutputReferenceNode() const { return outputReference_; }
    bool Approximation() const { return approximation_; }
    double Tolerance() const { return tolerance_; }
    const std::vector<double>& Frequencies() const { return frequencies_; }

private:
    // Reading.
    bool NamedLikeItsResults() const;
    bool ReadCircuit(std::vector<std::string>& lines);
    bool LockResults(bool& waited);
    bool Read(const std::vector<std::string>& lines);
    bool ParseLine(const std::string& line);
    void ParseTwoNodes(const Statement& s);
    void ParseFourNodes(const Statement& s);
    int Node(const std::string& name);
    int InternalNode();
    void AddBranch(const std::string& name, int a, int b, double value, bool symbolic);
    void AddControlled(const std::string& name, int iFrom, int iTo, int vFrom, int vTo, double value,
                       bool symbolic);
    void AddInternal(int iFrom, int iTo, int vFrom, int vTo, double value);
    void AddNullor(int iFrom, int iTo, int vFrom, int vTo);
    void SortElements();
    void SortByWeight();
    bool ComputeExactValues(const std::vector<std::string>& lines);
    bool WriteParameterLines();

    // Enumeration.
    void Section(bool numerator);
    void Prepare(bool numerator, Graphs& voltage, Graphs& current);
    void FixEdge(Graphs& graph, int from, int to);
    void EnumerateTrees(bool numerator, const Graphs& voltage, const Graphs& current);
    void WalkInParallel(const WalkPlan& plan, const TreeWalk& walk);
    int Workers() const;
    unsigned NextTermLimit() const;
    bool Commit(const TermBlock& block);
    void Count(unsigned terms, unsigned power);
    bool WriteOk();
    void FailTerm(TreeWalk::Fault fault);
    void AskBigOutput();
    void Fail(const std::string& text);
    void Discard();
    bool FinishFiles();
    class SequentialSink;
    class ParallelSink;

    // The approximation.
    void StartApproximation(bool numerator);
    bool CommitApproximated(const TermBlock& block);
    bool WithinTolerance() const;

    EngineHost& host_;
    bool ok_ = true;
    bool asked_ = false;
    bool signAlways_ = false;

    std::vector<int> symbolMap_;
    std::vector<std::string> nodes_;
    std::unordered_map<std::string, int> nodeIndex_;  // upper-cased name -> number
    int inputNode_ = -99;
    int portNode_ = 0;
    int outputNode_ = 0;
    int outputReference_ = 0;
    bool hasOutput_ = false;
    std::vector<Componente> elements_;
    std::vector<Componente> nullors_;
    int internalCounter_ = 1;

    OutFile out_;
    int picksPlusOne_ = 0;
    unsigned termCounter_ = 0;
    unsigned highestPower_ = 0;
    WalkSettings walkSettings_;

    bool approximation_ = false;
    double tolerance_ = 0.0;
    std::vector<double> frequencies_;
    std::complex<double> exactNumerator_[kMaxFrequencies];
    std::complex<double> exactDenominator_[kMaxFrequencies];
    const std::complex<double>* reference_ = exactNumerator_;
    std::complex<double> partial_[kMaxFrequencies];
    std::vector<double> symbolValues_;

    // Apart from what each term uses.
    const char* section_ = "";
    ExclusiveLock lock_;
    static constexpr int kParFile = 0, kFdtFile = 1;
    ResultPair files_;
};
