// Vimlo never loses or mixes result files: two runs on one circuit take
// turns, and a run that fails leaves the folder exactly as it was.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/Circuito.h"
#include "engine/app/VimloHost.h"
#include "formats/ExclusiveLock.h"
#include "tests/support/EngineRun.h"
#include "tests/vimlo/Circuits.h"
#include "tests/vimlo/VimloProcess.h"

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

// Every entry of a folder with the bytes of its files.
std::map<std::string, std::string> Snapshot(const TempFolder& folder)
{
    std::map<std::string, std::string> entries;
    for (const std::string& name : folder.Names())
        entries[name] = fs::is_directory(folder / name) ? "<folder>" : ReadBytes(folder / name);
    return entries;
}

const char kWaiting[] = "Waiting for another run writing lad12.fdt...";

class VimloTurns : public VimloRun {
protected:
    void SetUp() override
    {
        VimloRun::SetUp();
        WriteBytes(folder / "tervox.ini", "[SYSTEM]\r\n" + MainLine());
        WriteBytes(circuit, Ladder(12));
        // The pair the core writes by itself.
        fs::create_directory(folder / "core");
        WriteBytes(folder / "core/lad12.crc", Ladder(12));
        RecordingHost host;
        ASSERT_TRUE(RunEngine(folder / "core/lad12.crc", host, true).ok);
        fdt = ReadBytes(folder / "core/lad12.fdt");
        par = ReadBytes(folder / "core/lad12.par");
        fs::remove_all(folder / "core");
    }
    // A run that completed: its log, with the line of a wait before it.
    void ExpectCompleted(const Outcome& run, bool waited)
    {
        ASSERT_EQ(run.exitCode, 0) << run.err;
        ASSERT_EQ(run.out.size(), waited ? 8u : 7u) << run.err;
        if (waited) {
            EXPECT_EQ(run.out[0], kWaiting);
        }
        EXPECT_EQ(run.out.back(), "Out in: " + folder / "lad12.fdt");
    }
    // One whole pair, and nothing else of the runs (the ini file's lock
    // file stays).
    void ExpectOnePair()
    {
        EXPECT_EQ(ReadBytes(folder / "lad12.fdt"), fdt);
        EXPECT_EQ(ReadBytes(folder / "lad12.par"), par);
        EXPECT_EQ(folder.Names(), (Names{"Vimlo", "lad12.crc", "lad12.fdt", "lad12.par", "tervox.ini",
                                         "tervox.ini.lock"}));
    }

    std::string circuit = folder / "lad12.crc";
    std::string fdt, par;
};

// The second run starts while the first one runs (as "Complete Analysis"
// pressed twice does); each reports success with a whole pair in place.
TEST_F(VimloTurns, SecondRunOnOneCircuitLeavesAWholePair)
{
    int posted = 0;
    for (int delayMs : {300, 0, 300, 100}) {
        auto first = Launch({QString::fromStdString(circuit)});
        QThread::msleep(static_cast<unsigned long>(delayMs));
        auto second = Launch({QString::fromStdString(circuit)});
        Outcome a = first->Finish(), b = second->Finish();
        ExpectCompleted(a, !a.out.empty() && a.out[0] == kWaiting);
        ExpectCompleted(b, !b.out.empty() && b.out[0] == kWaiting);
        ExpectOnePair();
        posted += 2;
        EXPECT_TRUE(MessageArrived(10000, posted)) << delayMs;
    }
}

// Both runs find the results locked: both wait, then run one after the other.
TEST_F(VimloTurns, RunsWaitWhileAnotherHoldsTheResults)
{
    for (int repeat = 0; repeat < 2; ++repeat) {
        ExclusiveLock other(folder / "lad12.fdt.lock");
        ASSERT_EQ(other.TryLock(), ExclusiveLock::Result::Locked);
        auto first = Launch({QString::fromStdString(circuit)});
        auto second = Launch({QString::fromStdString(circuit)});
        ASSERT_TRUE(first->WaitForOutput(kWaiting, 60000));
        ASSERT_TRUE(second->WaitForOutput(kWaiting, 60000));
        // Nothing written while they wait.
        if (repeat == 0) {
            EXPECT_EQ(folder.Names(), (Names{"Vimlo", "lad12.crc", "lad12.fdt.lock", "tervox.ini"}));
        } else {
            EXPECT_EQ(ReadBytes(folder / "lad12.fdt"), fdt);
            EXPECT_EQ(folder.Names().size(), 7u);
        }
        other.Release();
        ExpectCompleted(first->Finish(), true);
        ExpectCompleted(second->Finish(), true);
        ExpectOnePair();
        EXPECT_TRUE(MessageArrived(10000, 2 * (repeat + 1)));
    }
}

// A named pipe that is full, held open at both ends: a program writing to it
// blocks at its first line.
class FullPipe {
public:
    explicit FullPipe(const std::string& path) : path_(path)
    {
        if (::mkfifo(path.c_str(), 0600) != 0)
            return;
        reader_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
        writer_ = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
        const char byte = 0;
        while (writer_ >= 0 && ::write(writer_, &byte, 1) == 1) {
        }
        full_ = reader_ >= 0 && writer_ >= 0 && errno == EAGAIN;
    }
    ~FullPipe()
    {
        ::close(writer_);
        ::close(reader_);
    }
    FullPipe(const FullPipe&) = delete;
    FullPipe& operator=(const FullPipe&) = delete;

    bool Full() const { return full_; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    int reader_ = -1, writer_ = -1;
    bool full_ = false;
};

int PartFiles(const TempFolder& folder)
{
    const Names names = folder.Names();
    return static_cast<int>(
        std::count_if(names.begin(), names.end(), [](const std::string& name) { return name.ends_with(".part"); }));
}

// A run killed while it writes leaves its temporaries and lock file; the
// next run on the circuit removes them and leaves only its own pair. The
// killed run's first line goes to a full pipe, which holds it there with its
// temporaries made, however fast it would run.
TEST_F(VimloRun, RunAfterAKilledOneLeavesOnlyItsPair)
{
    WriteBytes(folder / "tervox.ini", "[SYSTEM]\r\n" + MainLine());
    const std::string circuit = folder / "lad16.crc";
    WriteBytes(circuit, Ladder(16));
    TempFolder elsewhere;
    FullPipe output(elsewhere / "output");
    ASSERT_TRUE(output.Full());
    auto killed = Launch({QString::fromStdString(circuit)}, "", output.Path());
    const auto hung = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (PartFiles(folder) < 2 && !killed->Ended(10) && std::chrono::steady_clock::now() < hung) {
    }
    ASSERT_EQ(PartFiles(folder), 2) << "the run ended, or made no temporaries in two minutes";
    killed->Kill();
    EXPECT_EQ(PartFiles(folder), 2);
    const Outcome run = Start({QString::fromStdString(circuit)});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.back(), "Out in: " + folder / "lad16.fdt");
    EXPECT_EQ(folder.Names(), (Names{"Vimlo", "lad16.crc", "lad16.fdt", "lad16.par", "tervox.ini", "tervox.ini.lock"}));
    EXPECT_TRUE(MessageArrived(10000));
}

struct KeptCase {
    const char* name;
    const char* circuitName;
    const char* circuit;
    bool termsFolder;     // a folder where the network-function file would go
    const char* message;  // on standard error
};

void PrintTo(const KeptCase& c, std::ostream* os) { *os << c.name; }

class VimloKeeps : public VimloRun, public testing::WithParamInterface<KeptCase> {};

// Old results (or a folder in their place) and the circuit file stay as they
// were, byte for byte; nothing of the run is left; nothing is posted.
TEST_P(VimloKeeps, FolderAsItWas)
{
    const KeptCase& c = GetParam();
    WriteBytes(folder / "tervox.ini", "[SYSTEM]\r\n" + MainLine() + "LastFile=/older/result.fdt\r\n");
    const std::string base = folder / fs::path(c.circuitName).stem().string();
    WriteBytes(base + ".par", "old parameters\r\n");
    if (c.termsFolder)
        fs::create_directory(base + ".fdt");
    else
        WriteBytes(base + ".fdt", "old terms");
    WriteBytes(folder / c.circuitName, c.circuit);
    const auto before = Snapshot(folder);

    Outcome run = Start({QString::fromStdString(folder / c.circuitName)});
    EXPECT_GT(run.exitCode, 0);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(Snapshot(folder), before);
    EXPECT_FALSE(MessageArrived(300));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VimloKeeps,
    testing::Values(
        KeptCase{"FolderInPlaceOfTheTerms", "a.crc", kLowPass, true, "Cannot replace the result files beside"},
        KeptCase{"CircuitNamedLikeItsParameters", "c1.par", kLowPass, false,
                 "would overwrite the circuit file itself!\nGive the circuit file another extension"},
        KeptCase{"CircuitNamedLikeItsTerms", "c1.fdt", kLowPass, false, "would overwrite the circuit file itself"},
        KeptCase{"ValueNotFinite", "a.crc", "t\r\nV1 1 0 1 1\r\nR1 1 2 1e309 0\r\nC1 2 0 1 0\r\n.OUT 2\r\n", false,
                 "Error in line 2"},
        KeptCase{"CoefficientOverflows", "a.crc",
                 "t\r\nV1 1 0 1 1\r\nR1 1 2 1e200 1\r\nC1 2 0 1 1\r\nR2 2 3 1e200 1\r\nC2 3 0 1 1\r\n.OUT 3\r\n",
                 false, "A term of the denominator has a coefficient too large to be written"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
