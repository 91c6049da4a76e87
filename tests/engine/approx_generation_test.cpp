// The approximated generation against the exact network function of the same
// circuits at the ".APP" frequencies.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "EngineFixture.h"

namespace {

using cd = std::complex<double>;

// Two common-emitter stages in hybrid-pi form, every element a symbol.
const char kAmplifier[] =
    "amplifier\n"
    "V1 1 0 1 1\nRS 1 2 50 0\nC1 2 3 1e-5 0\nRB1 3 0 47000 0\n"
    "RPI1 3 4 2500 0\nCPI1 3 4 1e-11 0\nCMU1 3 5 2e-12 0\nH1 5 4 3 4 0.04 0\nRO1 5 4 50000 0\n"
    "RC1 5 0 4700 0\nRE1 4 0 1000 0\nCE1 4 0 1e-4 0\nC2 5 6 1e-5 0\nRB2 6 0 20000 0\n"
    "RPI2 6 7 2500 0\nCPI2 6 7 1e-11 0\nCMU2 6 8 2e-12 0\nH2 8 7 6 7 0.04 0\nRO2 8 7 50000 0\n"
    "RC2 8 0 4700 0\nRE2 7 0 100 0\nRL 8 0 10000 0\nRF 8 3 100000 0\nCF 8 3 1e-12 0\n.OUT 8\n";

const double kFrequencies[] = {10, 1e4, 1e7};

std::string WithApp(const std::string& circuit, const std::string& tolerance, const char* frequencies)
{
    std::size_t title = circuit.find('\n') + 1;
    return circuit.substr(0, title) + ".APP " + tolerance + " " + frequencies + " \n" + circuit.substr(title);
}

struct Analysis {
    EngineRun run;
    NetworkFunction f;
    std::vector<std::string> messages;
};

Analysis Analyse(const TempFolder& folder, const std::string& name, const std::string& circuit)
{
    RecordingHost host;
    Analysis a;
    a.run = RunEngine(folder.Write(name + ".crc", circuit), host);
    a.messages = host.messages;
    if (a.run.ok)
        a.f = ReadNetworkFunction(folder / (name + ".fdt"));
    return a;
}

double RelativeError(cd exact, cd approximated) { return std::abs(std::abs(exact) - std::abs(approximated)) / std::abs(exact); }

TEST(ApproxTest, AmplifierWithinToleranceWithFewerTermsAsItGrows)
{
    TempFolder folder;
    Analysis exact = Analyse(folder, "exact", kAmplifier);
    ASSERT_TRUE(exact.run.ok);
    std::vector<unsigned> numerators, denominators;
    for (double percent : {0.01, 1.0, 5.0, 20.0, 60.0}) {
        std::string tolerance = std::to_string(percent);
        Analysis approx = Analyse(folder, "app", WithApp(kAmplifier, tolerance, "3 10 1e4 1e7"));
        ASSERT_TRUE(approx.run.ok) << tolerance;
        EXPECT_TRUE(approx.messages.empty());
        numerators.push_back(approx.run.numeratorTerms);
        denominators.push_back(approx.run.denominatorTerms);
        for (auto section : {&NetworkFunction::numerator, &NetworkFunction::denominator}) {
            const std::vector<TERM>& terms = approx.f.*section;
            const std::vector<TERM>& all = exact.f.*section;
            ASSERT_LE(terms.size(), all.size());
            // The written terms are within the tolerance; without the last
            // one they are not yet, at one frequency at least.
            std::vector<TERM> shorter(terms.begin(), terms.end() - 1);
            double worstShorter = 0;
            for (double w : kFrequencies) {
                cd s(0, w);
                cd reference = exact.f.Sum(all, s);
                EXPECT_LE(RelativeError(reference, approx.f.Sum(terms, s)), percent / 100 + 1e-9)
                    << tolerance << "% at " << w;
                worstShorter = std::max(worstShorter, RelativeError(reference, approx.f.Sum(shorter, s)));
            }
            if (terms.size() < all.size()) {
                EXPECT_GT(worstShorter, percent / 100) << tolerance << "%";
            }
        }
    }
    for (std::size_t k = 1; k < numerators.size(); ++k) {
        EXPECT_LE(numerators[k], numerators[k - 1]);
        EXPECT_LE(denominators[k], denominators[k - 1]);
    }
    EXPECT_LT(numerators.back(), numerators.front());
    EXPECT_LT(denominators.back(), denominators.front());
    EXPECT_LT(numerators.front(), exact.run.numeratorTerms);
    EXPECT_LT(denominators.front(), exact.run.denominatorTerms);
}

struct LimitCase {
    const char* name;
    const char* tolerance;
    bool everyTerm;  // else one term per section
};

const LimitCase kLimits[] = {
    {"HugeToleranceKeepsOneTermEach", "1e30", false},
    {"ZeroToleranceWritesEveryTerm", "0", true},
};

class ApproxLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ApproxLimitTest, TermCounts)
{
    TempFolder folder;
    Analysis exact = Analyse(folder, "exact", kAmplifier);
    Analysis approx = Analyse(folder, "app", WithApp(kAmplifier, GetParam().tolerance, "3 10 1e4 1e7"));
    ASSERT_TRUE(approx.run.ok);
    if (!GetParam().everyTerm) {
        EXPECT_EQ(approx.run.numeratorTerms, 1u);
        EXPECT_EQ(approx.run.denominatorTerms, 1u);
        return;
    }
    EXPECT_EQ(approx.run.numeratorTerms, exact.run.numeratorTerms);
    EXPECT_EQ(approx.run.denominatorTerms, exact.run.denominatorTerms);
    for (double w : {1.0, 1e4, 1e6}) {
        cd s(0, w);
        EXPECT_LE(std::abs(approx.f.At(s) - exact.f.At(s)), 1e-9 * std::abs(exact.f.At(s)));
    }
}

INSTANTIATE_TEST_SUITE_P(Tolerance, ApproxLimitTest, ::testing::ValuesIn(kLimits), ParamName<LimitCase>);

// Every numerator term holds s squared, so the numerator is 0 at s = 0.
TEST(ApproxTest, ExactZeroFallsBackToEveryTerm)
{
    const char* highPass = "t\nV1 1 0 1 1\nC1 1 2 1e-6 0\nC4 1 2 2e-6 0\nC2 2 3 1e-6 0\nC5 2 3 3e-6 0\n"
                           "R1 2 0 1000 0\nR2 3 0 2000 0\nR3 3 0 500 0\n.OUT 3\n";
    TempFolder folder;
    Analysis exact = Analyse(folder, "exact", highPass);
    Analysis approx = Analyse(folder, "app", WithApp(highPass, "1e30", "2 0 1000"));
    ASSERT_TRUE(approx.run.ok);
    EXPECT_GT(exact.run.numeratorTerms, 1u);
    EXPECT_EQ(approx.run.numeratorTerms, exact.run.numeratorTerms);
    EXPECT_EQ(approx.run.denominatorTerms, 1u);
}

// Spread over workers, the terms are written and summed in the same order:
// the same files at every tolerance.
TEST(ApproxTest, SpreadOverWorkersWritesTheSameFiles)
{
    TempFolder folder;
    for (const char* tolerance : {"0", "0.01", "1", "20"}) {
        const std::string path = folder.Write("app.crc", WithApp(kAmplifier, tolerance, "3 10 1e4 1e7"));
        RecordingHost host;
        ASSERT_TRUE(RunEngine(path, host, false, OneThread()).ok);
        const std::string fdt = ReadBytes(folder / "app.fdt"), par = ReadBytes(folder / "app.par");
        ASSERT_TRUE(RunEngine(path, host, false, Spread(3, 2)).ok);
        EXPECT_EQ(ReadBytes(folder / "app.fdt"), fdt) << tolerance << "%";
        EXPECT_EQ(ReadBytes(folder / "app.par"), par) << tolerance << "%";
    }
}

TEST(ApproxTest, AbortEndsBothSectionsWithTheirEndRecords)
{
    TempFolder folder;
    RecordingHost host;
    host.abortAtPoll = 1;
    EngineRun run = RunEngine(folder.Write("app.crc", WithApp(kAmplifier, "0", "3 10 1e4 1e7")), host);
    ASSERT_TRUE(run.ok);
    EXPECT_TRUE(run.aborted);
    NetworkFunction f = ReadNetworkFunction(folder / "app.fdt");
    Analysis exact = Analyse(folder, "exact", kAmplifier);
    EXPECT_LT(f.denominator.size(), exact.f.denominator.size());
}

TEST(ApproxTest, OutputNodeOnNoElementLineStopsTheRun)
{
    TempFolder folder;
    Analysis approx = Analyse(folder, "app", "t\n.APP 5 1 1\nV1 1 0 1 1\nR1 1 0 1000 0\n.OUT 7\n");
    EXPECT_FALSE(approx.run.ok);
    EXPECT_EQ(approx.messages, std::vector<std::string>{"The output node 7 is on no element line!"});
    EXPECT_EQ(ReadBytes(folder / "app.fdt"), "");
    EXPECT_EQ(ReadBytes(folder / "app.par"), "");
}

// How many descriptors of this process have the file open.
int OpenHere(const std::string& path)
{
    int count = 0;
    std::error_code error;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd", error))
        if (std::filesystem::read_symlink(fd.path(), error) == path)
            ++count;
    return count;
}

// Polls until this process has the file open that many times.
void WaitUntilOpenHere(const std::string& path, int count)
{
    while (OpenHere(path) != count)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

// The exact values come from the text the run read, not from a second reading
// of the file, which another program may have replaced meanwhile: here a
// pipe gives the run one circuit and any later reader a line that is none.
TEST(ApproxTest, ExactValuesComeFromTheTextTheRunRead)
{
    TempFolder folder;
    const std::string path = folder / "app.crc";
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    std::atomic<bool> runEnded = false;
    std::thread writer([&] {
        sigset_t pipeSignal;  // a later reader that closes at once gives EPIPE instead
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
        const std::string first = WithApp(kAmplifier, "5", "3 10 1e4 1e7");
        const int fd = ::open(path.c_str(), O_WRONLY);
        WaitUntilOpenHere(path, 2);  // the reader's end too: it cannot close before this end does
        EXPECT_EQ(::write(fd, first.data(), first.size()), static_cast<ssize_t>(first.size()));
        ::close(fd);
        WaitUntilOpenHere(path, 0);  // the first reader is done
        const std::string second = "t\nQ1 1 2\n";
        while (!runEnded) {
            const int again = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);  // only while a reader waits
            if (again >= 0) {
                (void)!::write(again, second.data(), second.size());
                ::close(again);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    RecordingHost host;
    EngineRun run = RunEngine(path, host);
    runEnded = true;
    writer.join();
    EXPECT_TRUE(run.ok);
    EXPECT_EQ(host.messages, std::vector<std::string>{});
}

TEST(ApproxTest, ElementsSortByDescendingWeight)
{
    TempFolder folder;
    RecordingHost host;
    // Weights: L1 1/(0.01*10) = 10, C1 2e-3*1000 = 2, E1 3, G1 0.5, H1 0.02, R1 1/100,
    // Y1 1/1000, the internal elements of V1 and E1 -1 (V1 itself: 1).
    std::string path = folder.Write("w.crc", "t\n.APP 5 2 10 1000\nV1 1 0 1 1\nR1 1 2 100 0\nC1 2 0 2e-3 0\n"
                                             "L1 2 3 0.01 0\nG1 3 0 0.5 0\nH1 3 0 2 0 0.02 0\nY1 3 4 2 0 1000 0\n"
                                             "E1 4 0 3 0 3 0\n.OUT 4\n");
    Circuito circuit(path, false, host);
    ASSERT_TRUE(circuit.Ok());
    std::vector<std::string> names;
    for (const Componente& e : circuit.Elements())
        names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"L1", "E1", "C1", "V1", "G1", "H1", "R1", "Y1", " ", " "}));
}

}  // namespace
