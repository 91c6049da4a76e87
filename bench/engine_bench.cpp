// Term enumeration speed: RC ladders and a transistor amplifier in small-signal
// form. For each circuit, measured side by side: the enumeration on one thread
// and spread over the workers (millions of terms per second, "same" when both
// wrote identical bytes), the time and rate of writing as many bytes in
// records of the same size with the same writer, and the ratios of both
// enumerations to that write. With the path of Vimlo as argument it also runs the whole
// program on each circuit from the command line: "run/core" is the time its
// log reports for the run over the parallel core's, "peak MB" the program's
// largest resident size; it runs a copy in a folder of its own, so that its
// reports go to that folder's ini file and no running Tervox. Each enumeration runs several times, one thread and
// the workers taking turns, and the fastest time of each counts.
//   engine_bench [Vimlo] [--workers n] [--runs n]
//   (defaults: one worker per core the process may use, 3 runs)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sched.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "Amplifier.h"
#include "QuietHost.h"
#include "engine/Circuito.h"
#include "engine/ParallelWalk.h"
#include "formats/BinaryFile.h"

namespace {

std::string Ladder(int sections)
{
    std::string text = "RC ladder\r\nV1 1 0 1 1\r\n";
    for (int k = 1; k <= sections; ++k) {
        std::string a = std::to_string(k), b = std::to_string(k + 1);
        text += "R" + a + " " + a + " " + b + " 1000 0\r\n";
        text += "C" + a + " " + b + " 0 1e-09 0\r\n";
    }
    return text + ".OUT " + std::to_string(sections + 1) + "\r\n.END\r\n";
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

struct Enumeration {
    double seconds = 0;
    std::uint64_t terms = 0;
    std::string fdt;
};

// One analysis of the circuit file with the given number of workers; the
// network-function file is renamed to keep it.
Enumeration Enumerate(const std::string& path, int workers, const std::string& keepAs)
{
    QuietHost host;
    auto start = std::chrono::steady_clock::now();
    Circuito circuit(path, false, host);
    Circuito::WalkSettings settings;
    settings.workers = workers;
    circuit.SetWalkSettings(settings);
    circuit.Numerator();
    circuit.Denominator();
    Enumeration e;
    e.seconds = Seconds(start);
    if (!circuit.Ok()) {
        std::fprintf(stderr, "the analysis of %s failed\n", path.c_str());
        std::exit(1);
    }
    e.terms = circuit.numeratorTermCount + circuit.denominatorTermCount;
    std::filesystem::rename(circuit.fdtPath, keepAs);
    std::filesystem::remove(circuit.parPath);
    e.fdt = keepAs;
    return e;
}

bool SameBytes(const std::string& a, const std::string& b)
{
    std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
    std::vector<char> p(1 << 20), q(1 << 20);
    while (x && y) {
        x.read(p.data(), static_cast<std::streamsize>(p.size()));
        y.read(q.data(), static_cast<std::streamsize>(q.size()));
        if (x.gcount() != y.gcount() || std::memcmp(p.data(), q.data(), static_cast<std::size_t>(x.gcount())) != 0)
            return false;
    }
    return !x && !y;
}

// Writes bytes in records of the given size through the terms' writer.
double WriteSeconds(const std::string& path, std::uint64_t bytes, std::size_t record)
{
    std::vector<std::uint8_t> chunk(record, 0x5a);
    OutFile out;
    auto start = std::chrono::steady_clock::now();
    out.Open(path, "wb");
    for (std::uint64_t done = 0; done < bytes; done += record)
        out.Put(chunk.data(), record);
    out.Close();
    double s = Seconds(start);
    std::filesystem::remove(path);
    return s;
}

struct ProgramRun {
    double seconds = -1;  // of its "Time:" log line; -1 on failure
    double peakMegabytes = 0;
};

// Runs Vimlo on the circuit from its command line.
ProgramRun RunVimlo(const std::string& vimlo, const std::string& circuit, int workers)
{
    ProgramRun run;
    int out[2];
    if (pipe(out) != 0)
        return run;
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        std::freopen("/dev/null", "w", stderr);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (workers > 0) {  // the program takes one worker per core it may use
            cpu_set_t set;
            CPU_ZERO(&set);
            cpu_set_t mine;
            sched_getaffinity(0, sizeof mine, &mine);
            for (int c = 0, taken = 0; c < CPU_SETSIZE && taken < workers; ++c)
                if (CPU_ISSET(c, &mine)) {
                    CPU_SET(c, &set);
                    ++taken;
                }
            sched_setaffinity(0, sizeof set, &set);
        }
        execl(vimlo.c_str(), vimlo.c_str(), circuit.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::FILE* output = fdopen(out[0], "r");
    char line[4096];
    while (output && std::fgets(line, sizeof line, output)) {
        long ms = 0;
        if (std::sscanf(line, "Time: %ld millisec", &ms) == 1)
            run.seconds = static_cast<double>(ms) / 1000.0;
    }
    if (output)
        std::fclose(output);
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        run.seconds = -1;
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return run;
}

}  // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::string vimlo;
    int workers = 0, runs = 3;
    for (int a = 1; a < argc; ++a) {
        if (std::strcmp(argv[a], "--workers") == 0 && a + 1 < argc)
            workers = std::atoi(argv[++a]);
        else if (std::strcmp(argv[a], "--runs") == 0 && a + 1 < argc)
            runs = std::max(1, std::atoi(argv[++a]));
        else
            vimlo = argv[a];
    }
    const int shownWorkers = workers > 0 ? workers : ParallelWalk::AvailableCores();
    std::string pattern = (std::filesystem::temp_directory_path() / "engine-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::filesystem::path folder = pattern;
    if (!vimlo.empty()) {  // a copy, whose ini file beside it is the bench's: a running Tervox is told nothing
        const std::filesystem::path copy = folder / "Vimlo";
        std::error_code error;
        std::filesystem::copy_file(vimlo, copy, error);
        if (error) {
            std::fprintf(stderr, "cannot copy %s: %s\n", vimlo.c_str(), error.message().c_str());
            std::filesystem::remove_all(folder);
            return 1;
        }
        vimlo = copy.string();
    }
    struct Circuit {
        std::string name, text;
    };
    const std::vector<Circuit> circuits = {
        {"ladder10", Ladder(10)}, {"ladder14", Ladder(14)}, {"ladder18", Ladder(18)},
        {"amplifier2", Amplifier(2)}, {"amplifier3", Amplifier(3)},
    };
    std::printf("%d workers; Mterms/s = millions of terms per second\n", shownWorkers);
    std::printf("%-11s %10s %9s %9s %9s %9s %9s %8s %5s %9s %9s %10s %9s %9s %8s\n", "circuit", "terms", "MB",
                "1-thread", "Mterms/s", "parallel", "Mterms/s", "speedup", "same", "write", "MB/s", "par/write",
                "1/write", "run/core", "peak MB");
    for (const Circuit& c : circuits) {
        const std::string path = (folder / (c.name + ".crc")).string();
        std::ofstream(path, std::ios::binary) << c.text;
        Enumeration single = Enumerate(path, 1, (folder / "single.fdt").string());
        Enumeration parallel = Enumerate(path, workers, (folder / "parallel.fdt").string());
        for (int r = 1; r < runs; ++r) {
            single.seconds = std::min(single.seconds, Enumerate(path, 1, single.fdt).seconds);
            parallel.seconds = std::min(parallel.seconds, Enumerate(path, workers, parallel.fdt).seconds);
        }
        const bool same = single.terms == parallel.terms && SameBytes(single.fdt, parallel.fdt);
        const std::uint64_t bytes = std::filesystem::file_size(parallel.fdt);
        std::filesystem::remove(single.fdt);
        std::filesystem::remove(parallel.fdt);
        const std::size_t record = static_cast<std::size_t>(bytes / (parallel.terms + 2));
        const double write = WriteSeconds((folder / "write.bin").string(), bytes, record ? record : 10);
        std::string program = "        -        -";
        if (!vimlo.empty()) {
            const ProgramRun run = RunVimlo(vimlo, path, workers);
            char text[64];
            std::snprintf(text, sizeof text, "%9.3f %8.1f", run.seconds / parallel.seconds, run.peakMegabytes);
            program = run.seconds < 0 ? "   failed   failed" : text;
        }
        const double terms = static_cast<double>(parallel.terms);
        std::printf("%-11s %10llu %9.1f %9.3f %9.2f %9.3f %9.2f %8.2f %5s %9.3f %9.0f %10.2f %9.2f %s\n",
                    c.name.c_str(), static_cast<unsigned long long>(parallel.terms), static_cast<double>(bytes) / 1e6,
                    single.seconds, terms / single.seconds / 1e6, parallel.seconds, terms / parallel.seconds / 1e6,
                    single.seconds / parallel.seconds, same ? "same" : "DIFF", write,
                    static_cast<double>(bytes) / 1e6 / write, parallel.seconds / write, single.seconds / write,
                    program.c_str());
        std::filesystem::remove(path);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
