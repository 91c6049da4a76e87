#include "tests/support/EngineRun.h"

#include "formats/BinaryFile.h"

EngineRun RunEngine(const std::string& circuitPath, RecordingHost& host, bool fromCommandLine,
                    const Circuito::WalkSettings& settings)
{
    EngineRun run;
    Circuito circuit(circuitPath, fromCommandLine, host);
    circuit.SetWalkSettings(settings);
    host.circuit = &circuit;
    if (circuit.Ok()) {
        run.nodes = circuit.nodeCount;
        run.branches = circuit.branchCount;
        circuit.Numerator();
        circuit.Denominator();
    }
    run.ok = circuit.Ok();
    run.numeratorTerms = circuit.numeratorTermCount;
    run.denominatorTerms = circuit.denominatorTermCount;
    run.aborted = circuit.abort;
    host.circuit = nullptr;
    return run;
}

Circuito::WalkSettings Spread(int workers, std::uint64_t taskTerms)
{
    Circuito::WalkSettings settings;
    settings.workers = workers;
    settings.sequentialTerms = 0;
    settings.taskTerms = taskTerms;
    return settings;
}

Circuito::WalkSettings OneThread()
{
    Circuito::WalkSettings settings;
    settings.workers = 1;
    return settings;
}

bool RunEngineOn(const std::string& circuitPath, std::string& message)
{
    RecordingHost host;
    bool ok = RunEngine(circuitPath, host).ok;
    message = host.messages.empty() ? "" : host.messages[0];
    return ok;
}

std::complex<double> NetworkFunction::Sum(const std::vector<TERM>& terms, std::complex<double> s) const
{
    std::complex<double> sum = 0;
    for (const TERM& t : terms) {
        std::complex<double> v = t.coefficient;
        for (int p = 0; p < t.power; ++p)
            v *= s;
        for (int k = 0; k < t.count; ++k)
            v *= par.values.at(t.symbols[k]);
        sum += v;
    }
    return sum;
}

NetworkFunction ReadNetworkFunction(const std::string& fdtPath)
{
    NetworkFunction f;
    std::string error;
    std::string parPath = fdtPath.substr(0, fdtPath.size() - 4) + ".par";
    if (!ReadParFile(parPath, f.par, error))
        throw std::runtime_error(error);
    if (!f.par.hasCounts)
        throw std::runtime_error("no term counts in " + parPath);
    InFile in;
    if (!in.Open(fdtPath))
        throw std::runtime_error("cannot open " + fdtPath);
    for (auto* section : {&f.numerator, &f.denominator}) {
        TERM t;
        while (t.Read(in)) {
            for (int k = 0; k < t.count; ++k)
                if (t.symbols[k] >= f.par.names.size())
                    throw std::runtime_error("symbol index out of range");
            section->push_back(t);
        }
        if (in.ShortRead())
            throw std::runtime_error("truncated network-function file");
    }
    if (!in.AtEnd())
        throw std::runtime_error("bytes after the denominator");
    if (f.numerator.size() != f.par.numeratorTerms || f.denominator.size() != f.par.denominatorTerms)
        throw std::runtime_error("term counts differ from the parameter file");
    return f;
}
