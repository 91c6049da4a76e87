// Term enumeration speed: RC ladders and a transistor amplifier in small-signal
// form. For each circuit: terms, bytes, seconds, terms per second, and the
// ratio of the enumeration time to writing as many bytes with the same writer.
// With the path of Vimlo as argument it also runs the whole program on each
// circuit from the command line: "run/core" is the time its log reports for
// the run (message-loop hook included), "process/core" the whole process.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Amplifier.h"
#include "QuietHost.h"
#include "engine/Circuito.h"
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

// Runs Vimlo on the circuit; the seconds of its "Time:" log line, -1 on failure.
double VimloRunSeconds(const std::string& vimlo, const std::string& circuit)
{
    std::string command = "QT_QPA_PLATFORM=offscreen '" + vimlo + "' '" + circuit + "' 2>/dev/null";
    std::FILE* output = popen(command.c_str(), "r");
    if (!output)
        return -1;
    double seconds = -1;
    char line[4096];
    while (std::fgets(line, sizeof line, output)) {
        long ms = 0;
        if (std::sscanf(line, "Time: %ld millisec", &ms) == 1)
            seconds = static_cast<double>(ms) / 1000.0;
    }
    return pclose(output) == 0 ? seconds : -1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string vimlo = argc > 1 ? argv[1] : "";
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tervox-engine-bench";
    std::filesystem::create_directories(folder);
    struct Circuit {
        std::string name, text;
    };
    const std::vector<Circuit> circuits = {
        {"ladder10", Ladder(10)}, {"ladder14", Ladder(14)}, {"ladder18", Ladder(18)},
        {"amplifier2", Amplifier(2)}, {"amplifier3", Amplifier(3)},
    };
    std::printf("%-11s %11s %12s %9s %13s %11s %9s %13s\n", "circuit", "terms", "bytes", "seconds", "terms/s",
                "enum/write", "run/core", "process/core");
    for (const Circuit& c : circuits) {
        const std::string path = (folder / (c.name + ".crc")).string();
        std::ofstream(path, std::ios::binary) << c.text;
        QuietHost host;
        auto start = std::chrono::steady_clock::now();
        Circuito circuit(path, false, host);
        circuit.Numerator();
        circuit.Denominator();
        const double core = Seconds(start);
        const std::uint64_t terms = circuit.numeratorTermCount + circuit.denominatorTermCount;
        const std::uint64_t bytes = std::filesystem::file_size(circuit.fdtPath);
        const std::size_t record = static_cast<std::size_t>(bytes / (terms + 2));
        const double write = WriteSeconds((folder / "write.bin").string(), bytes, record ? record : 10);
        std::string ratios = "        -             -";
        if (!vimlo.empty()) {
            start = std::chrono::steady_clock::now();
            const double run = VimloRunSeconds(vimlo, path);
            char text[64];
            std::snprintf(text, sizeof text, "%9.3f %13.3f", run / core, Seconds(start) / core);
            ratios = run < 0 ? "   failed        failed" : text;
        }
        std::printf("%-11s %11llu %12llu %9.3f %13.0f %11.2f %s\n", c.name.c_str(),
                    static_cast<unsigned long long>(terms), static_cast<unsigned long long>(bytes), core,
                    static_cast<double>(terms) / core, core / write, ratios.c_str());
        std::filesystem::remove(circuit.fdtPath);
        std::filesystem::remove(circuit.parPath);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
