// Approximated against exact analysis of a transistor amplifier: common-
// emitter stages in hybrid-pi form, every element a symbol. Prints the terms
// kept and the seconds of each tolerance next to those of the exact run.
//   approx_bench [stages]   (1 to 4, default 3)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "Amplifier.h"
#include "QuietHost.h"
#include "engine/Circuito.h"
#include "engine/EngineHost.h"

namespace {

struct Result {
    unsigned numerator = 0, denominator = 0;
    double seconds = 0;
};

Result Run(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
    QuietHost host;
    const auto start = std::chrono::steady_clock::now();
    Circuito circuit(path, false, host);
    circuit.Numerator();
    circuit.Denominator();
    Result r;
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!circuit.Ok()) {
        std::fprintf(stderr, "the analysis failed\n");
        std::exit(1);
    }
    r.numerator = circuit.numeratorTermCount;
    r.denominator = circuit.denominatorTermCount;
    return r;
}

}  // namespace

int main(int argc, char** argv)
{
    const int stages = argc > 1 ? std::atoi(argv[1]) : 3;
    if (stages < 1 || stages > 4) {
        std::fprintf(stderr, "usage: approx_bench [stages 1..4]\n");
        return 2;
    }
    std::string folder = (std::filesystem::temp_directory_path() / "approx-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const std::string path = folder + "/amplifier.crc";
    const char* frequencies = "3 10 10000 10000000 ";
    std::printf("%d-stage amplifier, .APP frequencies (rad/s) 10 1e4 1e7\n", stages);
    std::printf("%-10s %12s %12s %9s %10s %9s\n", "analysis", "numerator", "denominator", "kept", "seconds", "time");
    const Result exact = Run(path, Amplifier(stages, ""));
    const double all = exact.numerator + exact.denominator;
    std::printf("%-10s %12u %12u %8.2f%% %10.3f %8.2f%%\n", "exact", exact.numerator, exact.denominator, 100.0,
                exact.seconds, 100.0);
    for (const char* tolerance : {"1", "5", "20"}) {
        const Result r = Run(path, Amplifier(stages, std::string(".APP ") + tolerance + " " + frequencies + "\r\n"));
        std::printf("%-10s %12u %12u %8.2f%% %10.3f %8.2f%%\n", (std::string(tolerance) + "%").c_str(), r.numerator,
                    r.denominator, 100.0 * (r.numerator + r.denominator) / all, r.seconds,
                    100.0 * r.seconds / exact.seconds);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
