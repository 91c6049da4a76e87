// Runs that must leave the result files whole: a coefficient that overflows,
// a circuit file named like its results, and a run that waits for another.
#include <gtest/gtest.h>

#include <filesystem>

#include "EngineFixture.h"
#include "formats/ExclusiveLock.h"
#include "formats/SideNames.h"

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

const char kLowPass[] = "t\nV1 1 0 1 1\nR1 1 2 1000 0\nC1 2 0 1e-6 0\n.OUT 2";

struct Overflow {
    const char* name;
    const char* circuit;
    const char* section;
};

// Numeric values of 1e200 whose product in one term is beyond any double.
const Overflow kOverflows[] = {
    {"CascadedGains", "t\nV1 1 0 1 1\nR1 1 0 1 1\nE1 2 0 1 0 1e200 1\nR2 2 0 1 1\nE2 3 0 2 0 1e200 1\n"
                      "R3 3 0 1 1\n.OUT 3",
     "numerator"},
    {"LadderResistors", "t\nV1 1 0 1 1\nR1 1 2 1e200 1\nC1 2 0 1 1\nR2 2 3 1e200 1\nC2 3 0 1 1\n.OUT 3",
     "denominator"},
};

class OverflowTest : public ::testing::TestWithParam<Overflow> {};

TEST_P(OverflowTest, StopsTheRunAndKeepsTheEarlierResults)
{
    for (const Circuito::WalkSettings& settings : {OneThread(), Spread(3, 1)}) {
        TempFolder folder;
        RecordingHost host;
        std::string path = folder.Write("c.crc", kLowPass);
        ASSERT_TRUE(RunEngine(path, host).ok);
        const std::string fdt = ReadBytes(folder / "c.fdt"), par = ReadBytes(folder / "c.par");
        folder.Write("c.crc", GetParam().circuit);
        EXPECT_FALSE(RunEngine(path, host, false, settings).ok);
        EXPECT_EQ(host.messages, Names{std::string("A term of the ") + GetParam().section
                                       + " has a coefficient too large to be written:\r\n"
                                         "the product of its numeric element values overflows."});
        EXPECT_EQ(ReadBytes(folder / "c.fdt"), fdt);
        EXPECT_EQ(ReadBytes(folder / "c.par"), par);
        EXPECT_EQ(folder.Names(), (Names{"c.crc", "c.fdt", "c.par"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Sections, OverflowTest, ::testing::ValuesIn(kOverflows), ParamName<Overflow>);

// By its name or through a link, the circuit file would be a result file.
TEST(ResultSafetyTest, CircuitNamedLikeItsResultsIsRefused)
{
    for (const char* name : {"c1.par", "c1.fdt", "c1.crc"}) {
        TempFolder folder;
        std::string path = folder / name;
        if (std::string(name) == "c1.crc") {
            folder.Write("c1.par", kLowPass);
            fs::create_symlink("c1.par", path);
        } else {
            folder.Write(name, kLowPass);
        }
        const Names before = folder.Names();
        const std::string text = ReadBytes(path);
        RecordingHost host;
        EXPECT_FALSE(RunEngine(path, host).ok) << name;
        EXPECT_EQ(host.messages, Names{"The results of \"" + path + "\" would overwrite the circuit file itself!\r\n"
                                       "Give the circuit file another extension, such as \".crc\"."});
        EXPECT_EQ(ReadBytes(path), text) << name;
        EXPECT_EQ(folder.Names(), before) << name;
    }
}

// The run waits while the lock is held, then reads the circuit file as the
// other run left it.
TEST(ResultSafetyTest, RunWaitsForTheOtherRunAndReadsTheCircuitAgain)
{
    TempFolder folder;
    std::string path = folder.Write("c.crc", "t\nV1 1 0 1 1\nR1 1 0 1 0\n.OUT 2");
    ExclusiveLock other(folder / "c.fdt.lock");
    ASSERT_EQ(other.TryLock(), ExclusiveLock::Result::Locked);
    RecordingHost host;
    host.onWaiting = [&] {
        EXPECT_EQ(folder.Names(), (Names{"c.crc", "c.fdt.lock"}));  // nothing written while waiting
        folder.Write("c.crc", kLowPass);
        other.Release();
    };
    EngineRun run = RunEngine(path, host);
    ASSERT_TRUE(run.ok);
    EXPECT_EQ(host.waits, Names{"Waiting for another run writing c.fdt..."});
    EXPECT_GT(host.polls, 0);
    EXPECT_EQ(run.denominatorTerms, 2u);
    ReadNetworkFunction(folder / "c.fdt");
    EXPECT_EQ(folder.Names(), (Names{"c.crc", "c.fdt", "c.par"}));
}

// Runs killed between the renames of their pair and while writing left a new
// parameter file beside the old terms and temporaries: the next run on the
// pair puts the old pair back and removes the rest, even when it then fails.
// Also for names near the file system's limit (250 bytes), whose side files
// have shortened names.
TEST(ResultSafetyTest, RunPutsRightWhatKilledRunsLeft)
{
    for (const std::string& base : {std::string("c"), std::string(246, 'c')}) {
        SCOPED_TRACE(base.size());
        TempFolder folder;
        const std::string path = folder.Write(base + ".crc", kLowPass);
        const std::string parPath = folder / (base + ".par"), fdtPath = folder / (base + ".fdt");
        const std::string parSide = SideStem(parPath), fdtSide = SideStem(fdtPath);
        RecordingHost first;
        ASSERT_TRUE(RunEngine(path, first).ok);
        EXPECT_EQ(folder.Names(), (Names{base + ".crc", base + ".fdt", base + ".par"}));
        const std::string fdt = ReadBytes(fdtPath), par = ReadBytes(parPath);
        fs::create_hard_link(parPath, parSide + ".7-0.old");
        fs::create_hard_link(fdtPath, fdtSide + ".7-0.old");
        WriteBytes(fdtSide + ".7-0.part", "new terms");
        WriteBytes(parSide + ".7-0.part", "new names");
        fs::rename(parSide + ".7-0.part", parPath);
        WriteBytes(parSide + ".8-0.part", "names being written");
        WriteBytes(fdtSide + ".8-0.part", "terms being written");
        folder.Write(base + ".crc", "t\nV1 1 0 1 1\nQ1 1 2 3 0\n.OUT 1");
        RecordingHost host;
        EXPECT_FALSE(RunEngine(path, host).ok);
        EXPECT_EQ(host.messages, Names{"Error in line 2"});
        EXPECT_EQ(ReadBytes(fdtPath), fdt);
        EXPECT_EQ(ReadBytes(parPath), par);
        EXPECT_EQ(folder.Names(), (Names{base + ".crc", base + ".fdt", base + ".par"}));
    }
}

// A message box waits for the user: a run that is over does not keep
// another one on the same results waiting behind its box.
TEST(ResultSafetyTest, RunEndedByAnErrorFreesTheResultsBeforeItsMessage)
{
    const char* circuits[] = {
        "t\nV1 1 0 1 1\nQ1 1 2 3 0\n.OUT 1",       // a bad line
        "t\nR1 1 0 1 0\n.OUT 1",                    // no input source
        "t\nV1 1 0 1 1\nR1 1 0 1 0\n",             // no output
    };
    for (const char* circuit : circuits) {
        TempFolder folder;
        const std::string path = folder.Write("c.crc", circuit);
        RecordingHost host;
        bool free = false;
        host.onMessage = [&] {
            ExclusiveLock next(folder / "c.fdt.lock");
            free = next.TryLock() == ExclusiveLock::Result::Locked;
        };
        EXPECT_FALSE(RunEngine(path, host).ok) << circuit;
        EXPECT_EQ(host.messages.size(), 1u) << circuit;
        EXPECT_TRUE(free) << circuit;
        EXPECT_EQ(folder.Names(), Names{"c.crc"}) << circuit;
    }
}

TEST(ResultSafetyTest, LockThatCannotBeMadeStopsTheRun)
{
    // A folder holds the lock's name.
    TempFolder folder;
    std::string path = folder.Write("c.crc", kLowPass);
    fs::create_directory(folder / "c.fdt.lock");
    RecordingHost host;
    EXPECT_FALSE(RunEngine(path, host).ok);
    EXPECT_EQ(host.messages, Names{"Cannot create file \"" + folder / "c.fdt.lock" + "\""});
    EXPECT_EQ(folder.Names(), (Names{"c.crc", "c.fdt.lock"}));
}

}  // namespace
