// Figures of the viewer's numeric core: coefficient evaluation of a large
// network-function file against reading its bytes, the symbolic text of a
// merged and an unmerged file, roots plus responses of functions of degree
// 10, 30 and 59, and the approximation of the large file.
#include <stdlib.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "formats/BinaryFile.h"
#include "formats/Term.h"
#include "formats/TextFile.h"
#include "viewer/approx/Approx.h"
#include "viewer/model/FDT.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()>& work, int repeats)
{
    double best = 1e99;
    for (int i = 0; i < repeats; ++i) {
        auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

// A ladder-like function: 12 resistors and 12 capacitors, every term one
// spanning-tree product with as many capacitors as its power of s.
const int kSections = 12;

void WriteLadder(const std::string& base, long terms)
{
    std::mt19937_64 random(7);
    OutFile file(1 << 20);
    file.Open(base + ".fdt", "wb");
    long count[2] = {};
    for (int section = 0; section < 2; ++section) {
        long n = section == 0 ? terms / 8 : terms - terms / 8;
        int degree = section == 0 ? kSections / 2 : kSections;
        for (long t = 0; t < n; ++t) {
            TERM term;
            term.power = static_cast<std::uint8_t>(random() % (degree + 1));
            term.coefficient = (random() & 1) ? 1.0 : -1.0;
            int resistors = kSections - term.power;
            for (int k = 0; k < term.power; ++k)
                term.symbols[term.count++] = static_cast<std::uint8_t>(kSections + random() % kSections);
            for (int k = 0; k < resistors; ++k)
                term.symbols[term.count++] = static_cast<std::uint8_t>(random() % kSections);
            term.Write(file);
        }
        TERM::WriteEndRecord(file);
        count[section] = n;
    }
    file.Close();
    std::vector<std::string> lines(4);
    for (int k = 0; k < kSections; ++k)
        lines[0] += "R" + std::to_string(k + 1) + " ";
    for (int k = 0; k < kSections; ++k)
        lines[0] += "C" + std::to_string(k + 1) + " ";
    for (int k = 0; k < kSections; ++k)
        lines[1] += "1000 ";
    for (int k = 0; k < kSections; ++k)
        lines[1] += "1e-09 ";
    lines[2] = std::to_string(kSections / 2) + " " + std::to_string(count[0]);
    lines[3] = std::to_string(kSections) + " " + std::to_string(count[1]);
    WriteTextLines(base + ".par", lines);
}

double RawRead(const std::string& path)
{
    std::vector<unsigned char> buffer(1 << 20);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    std::size_t n, sum = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), file)) > 0)
        sum += buffer[n - 1];
    std::fclose(file);
    return static_cast<double>(sum);
}

// Every record through TERM::Read, for comparison.
double RecordRead(const std::string& path)
{
    InFile file(1 << 20);
    file.Open(path);
    TERM term;
    double sum = 0;
    for (int section = 0; section < 2; ++section)
        while (term.Read(file))
            sum += term.coefficient;
    return sum;
}

// Coefficients (s^0 first) of the polynomial with the given roots.
std::vector<double> FromRoots(const std::vector<Complex>& roots)
{
    std::vector<Complex> p = {1.0};
    for (Complex r : roots) {
        std::vector<Complex> q(p.size() + 1, 0.0);
        for (std::size_t k = 0; k < p.size(); ++k) {
            q[k + 1] += p[k];
            q[k] -= r * p[k];
        }
        p = q;
    }
    std::vector<double> a;
    for (Complex c : p)
        a.push_back(c.real());
    return a;
}

// Stable poles on a circle of radius scale, like a Butterworth filter.
std::vector<Complex> CirclePoles(int n, double scale)
{
    std::vector<Complex> roots;
    for (int k = 0; k < n; ++k) {
        double angle = M_PI * (2.0 * k + n + 1) / (2.0 * n);
        roots.push_back(scale * Complex(std::cos(angle), std::sin(angle)));
    }
    return roots;
}

void WriteRational(const std::string& base, const std::vector<double>& num, const std::vector<double>& den)
{
    OutFile file;
    file.Open(base + ".fdt", "wb");
    long count[2] = {};
    int degree[2] = {};
    const std::vector<double>* polys[2] = {&num, &den};
    for (int section = 0; section < 2; ++section) {
        for (std::size_t k = 0; k < polys[section]->size(); ++k) {
            TERM term;
            term.coefficient = (*polys[section])[k];
            term.power = static_cast<std::uint8_t>(k);
            if (term.coefficient != 0.0) {
                term.Write(file);
                ++count[section];
                degree[section] = static_cast<int>(k);
            }
        }
        TERM::WriteEndRecord(file);
    }
    file.Close();
    WriteTextLines(base + ".par", {"", "", std::to_string(degree[0]) + " " + std::to_string(count[0]),
                                   std::to_string(degree[1]) + " " + std::to_string(count[1]), "0.01 1000 10"});
}

void Responses(const std::string& folder, int degree)
{
    std::string base = folder + "/deg" + std::to_string(degree);
    WriteRational(base, FromRoots(CirclePoles(degree / 2, 2.0)), FromRoots(CirclePoles(degree, 1.0)));
    FDT f;
    std::string error;
    if (!f.LoadParFile(base + ".fdt", error)) {
        std::printf("degree %d: %s\n", degree, error.c_str());
        return;
    }
    bool ok = true;
    auto run = [&](const std::function<bool()>& work) {
        return Seconds([&] { ok = work() && ok; }, 5);
    };
    double roots = run([&] { return f.EvaluateCoefficients(error) && f.FindRoots(0) && f.FindRoots(1); });
    double gain = run([&] { return f.ComputeGain(error); });
    double phase = run([&] { return f.ComputePhase(error); });
    double delay = run([&] { return f.ComputeDelay(error); });
    double step = run([&] { return f.ComputeTimeResponse(0, error); });
    double impulse = run([&] { return f.ComputeTimeResponse(1, error); });
    std::printf("degree %2d (zeros %2d): roots %.3f ms, gain %.3f ms, phase %.3f ms, delay %.3f ms, "
                "step %.3f ms, impulse %.3f ms, all %.3f ms%s\n",
                degree, degree / 2, roots * 1e3, gain * 1e3, phase * 1e3, delay * 1e3, step * 1e3, impulse * 1e3,
                (roots + gain + phase + delay + step + impulse) * 1e3, ok ? "" : (" FAILED: " + error).c_str());
}

// Builds the symbolic text of the ladder at base (written first when terms is given).
void Symbolic(const std::string& base, long terms, bool write)
{
    if (write)
        WriteLadder(base, terms);
    FDT f;
    std::string error;
    bool ok = f.LoadParFile(base + ".fdt", error);
    double seconds = Seconds(
        [&] {
            f.symbolicBuilt = false;
            ok = ok && f.BuildSymbolicText(error) == Outcome::Done;
        },
        terms > kSymbolicMergeLimit ? 1 : 3);
    double bytes = ok ? static_cast<double>(std::filesystem::file_size(f.SymbolicPath())) : 0.0;
    std::printf("symbolic text of %ld terms (%s): %.1f ms, %.1f MB written%s\n", terms,
                terms > kSymbolicMergeLimit ? "not merged" : "merged", seconds * 1e3, bytes / 1e6,
                ok ? "" : (" FAILED: " + error).c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    long terms = argc > 1 ? std::atol(argv[1]) : 4000000;
    std::string pattern = (std::filesystem::temp_directory_path() / "viewer-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    std::string folder = pattern, base = folder + "/ladder";
    WriteLadder(base, terms);
    double bytes = static_cast<double>(std::filesystem::file_size(base + ".fdt"));
    double sink = 0;
    double raw = Seconds([&] { sink += RawRead(base + ".fdt"); }, 5);
    FDT f;
    std::string error;
    if (!f.LoadParFile(base + ".fdt", error)) {
        std::printf("%s\n", error.c_str());
        return 1;
    }
    double one = Seconds([&] { f.EvaluateCoefficients(error); }, 5);
    f.sweptComponent = kSections;
    f.curveCount = 6;
    for (int c = 0; c < 6; ++c)
        f.curveValues[c] = 1e-9 * (c + 1);
    double six = Seconds([&] { f.EvaluateCoefficients(error); }, 5);
    double rawAgain = Seconds([&] { sink += RawRead(base + ".fdt"); }, 5);
    raw = std::min(raw, rawAgain);
    double records = Seconds([&] { sink += RecordRead(base + ".fdt"); }, 3);
    std::printf("network-function file: %ld terms, %.1f MB (checksum %g)\n", terms, bytes / 1e6, sink);
    std::printf("raw read %.1f ms; EvaluateCoefficients 1 curve %.1f ms (%.2f x raw), 6 curves %.1f ms (%.2f x raw); "
                "TERM::Read of every record %.1f ms (%.2f x raw)\n",
                raw * 1e3, one * 1e3, one / raw, six * 1e3, six / raw, records * 1e3, records / raw);
    Symbolic(folder + "/small", kSymbolicMergeLimit, true);
    Symbolic(base, terms, false);
    for (bool coefficients : {true, false}) {
        ApproxChoice choice;
        choice.coefficients = coefficients;
        choice.freq1 = "1000";
        choice.freq2 = "100000";
        APPROX approx;
        std::string result;
        double seconds = Seconds([&] { result = approx.Approximate(base + ".fdt", choice, error); }, 3);
        std::printf("approximation (%s, 5 %%): %.1f ms (%.2f x raw), kept %u + %u terms%s\n",
                    coefficients ? "Coefficients" : "Num./Den.", seconds * 1e3, seconds / raw, approx.KeptCount(0),
                    approx.KeptCount(1), result.empty() ? (" FAILED: " + error).c_str() : "");
    }
    for (int degree : {10, 30, 59})
        Responses(folder, degree);
    std::filesystem::remove_all(folder);
    return 0;
}
