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

#include "QuietHost.h"
#include "engine/Circuito.h"
#include "engine/EngineHost.h"

namespace {

// Stage k: base node b, emitter e, collector c; a coupling capacitor from the
// previous collector, a feedback pair from the last collector to the first base.
std::string Amplifier(int stages, const std::string& app)
{
    std::string text = "amplifier\r\n" + app + "V1 1 0 1 1\r\nRS 1 2 50 0\r\n";
    std::string previous = "2";
    for (int k = 1; k <= stages; ++k) {
        const std::string n = std::to_string(k);
        const std::string b = std::to_string(10 * k), e = std::to_string(10 * k + 1), c = std::to_string(10 * k + 2);
        text += "CC" + n + " " + previous + " " + b + " 1e-5 0\r\n";
        text += "RB" + n + " " + b + " 0 30000 0\r\n";
        text += "RPI" + n + " " + b + " " + e + " 2500 0\r\n";
        text += "CPI" + n + " " + b + " " + e + " 1e-11 0\r\n";
        text += "CMU" + n + " " + b + " " + c + " 2e-12 0\r\n";
        text += "GM" + n + " " + c + " " + e + " " + b + " " + e + " 0.04 0\r\n";
        text += "RO" + n + " " + c + " " + e + " 50000 0\r\n";
        text += "RC" + n + " " + c + " 0 4700 0\r\n";
        text += "RE" + n + " " + e + " 0 " + (k == stages ? "100" : "1000") + " 0\r\n";
        if (k != stages)
            text += "CE" + n + " " + e + " 0 1e-4 0\r\n";
        previous = c;
    }
    text += "RL " + previous + " 0 10000 0\r\nRF " + previous + " 10 100000 0\r\n.OUT " + previous + "\r\n";
    return text;
}

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
