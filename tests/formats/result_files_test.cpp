// The lock that makes runs on one pair of result files take turns, and the
// replacement of a pair all or nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "formats/ExclusiveLock.h"
#include "formats/ResultPair.h"
#include "formats/SideNames.h"
#include "tests/support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

TEST(ExclusiveLockTest, OneHolderAtATimeAndNoFileLeft)
{
    TempFolder folder;
    ExclusiveLock first(folder / "a.fdt.lock"), second(folder / "a.fdt.lock");
    ASSERT_EQ(first.TryLock(), ExclusiveLock::Result::Locked);
    EXPECT_EQ(first.TryLock(), ExclusiveLock::Result::Locked);
    EXPECT_EQ(second.TryLock(), ExclusiveLock::Result::Busy);
    EXPECT_FALSE(second.Locked());
    first.Release();
    EXPECT_EQ(folder.Names(), Names{});
    EXPECT_EQ(second.TryLock(), ExclusiveLock::Result::Locked);
    EXPECT_EQ(first.TryLock(), ExclusiveLock::Result::Busy);
    second.Release();
    EXPECT_EQ(folder.Names(), Names{});
}

// A holder that ends without letting go leaves its file, but no lock.
TEST(ExclusiveLockTest, HolderThatDiedHoldsNothing)
{
    TempFolder folder;
    pid_t child = fork();
    if (child == 0) {
        ExclusiveLock held(folder / "a.fdt.lock");
        _exit(held.TryLock() == ExclusiveLock::Result::Locked ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(folder.Names(), Names{"a.fdt.lock"});
    ExclusiveLock lock(folder / "a.fdt.lock");
    EXPECT_EQ(lock.TryLock(), ExclusiveLock::Result::Locked);
    lock.Release();
    EXPECT_EQ(folder.Names(), Names{});
}

TEST(ExclusiveLockTest, MissingFolderFails)
{
    TempFolder folder;
    ExclusiveLock lock(folder / "none/a.fdt.lock");
    EXPECT_EQ(lock.TryLock(), ExclusiveLock::Result::Failed);
    EXPECT_FALSE(lock.Locked());
}

class ResultPairTest : public testing::Test {
protected:
    void WriteOld()
    {
        WriteBytes(par, "old par");
        WriteBytes(fdt, "old fdt");
    }
    void WriteNew()
    {
        ASSERT_TRUE(pair.Create());
        WriteBytes(pair.Temp(0), "new par");
        WriteBytes(pair.Temp(1), "new fdt");
    }

    TempFolder folder;
    std::string par = folder / "a.par", fdt = folder / "a.fdt";
    ResultPair pair{par, fdt};
};

TEST_F(ResultPairTest, NewPairTakesThePlaceOfTheOld)
{
    WriteOld();
    WriteNew();
    EXPECT_EQ(folder.Names().size(), 4u);
    ASSERT_TRUE(pair.Replace());
    EXPECT_EQ(ReadBytes(par), "new par");
    EXPECT_EQ(ReadBytes(fdt), "new fdt");
    EXPECT_EQ(folder.Names(), (Names{"a.fdt", "a.par"}));
}

TEST_F(ResultPairTest, FirstPairIsPutInPlace)
{
    WriteNew();
    ASSERT_TRUE(pair.Replace());
    EXPECT_EQ(ReadBytes(par), "new par");
    EXPECT_EQ(folder.Names(), (Names{"a.fdt", "a.par"}));
}

// The second rename fails after the first: the first file is put back.
TEST_F(ResultPairTest, FailureAfterTheFirstRenameRestoresTheOldPair)
{
    for (bool old : {true, false}) {
        fs::remove(par);
        fs::remove(fdt);
        if (old)
            WriteOld();
        WriteNew();
        fs::remove(pair.Temp(1));
        EXPECT_FALSE(pair.Replace());
        EXPECT_EQ(folder.Names(), (old ? Names{"a.fdt", "a.par"} : Names{})) << old;
        if (old) {
            EXPECT_EQ(ReadBytes(par), "old par");
            EXPECT_EQ(ReadBytes(fdt), "old fdt");
        }
    }
}

TEST_F(ResultPairTest, FolderInThePlaceOfAFileIsLeftAlone)
{
    WriteBytes(par, "old par");
    fs::create_directory(fdt);
    WriteBytes(fdt + "/inside", "x");
    WriteNew();
    EXPECT_FALSE(pair.Replace());
    EXPECT_EQ(ReadBytes(par), "old par");
    EXPECT_EQ(ReadBytes(fdt + "/inside"), "x");
    EXPECT_EQ(folder.Names(), (Names{"a.fdt", "a.par"}));
}

// A reader that opened the old file keeps reading it whole.
TEST_F(ResultPairTest, OpenReaderKeepsTheOldFile)
{
    WriteOld();
    std::ifstream reader(fdt, std::ios::binary);
    WriteNew();
    ASSERT_TRUE(pair.Replace());
    std::string text((std::istreambuf_iterator<char>(reader)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "old fdt");
}

// A killed run of an earlier process with this one's number left the old
// files under the names this run would keep them under.
TEST_F(ResultPairTest, BackupNamesLeftByAKilledRunArePassedOver)
{
    const std::string tag = "." + std::to_string(::getpid()) + "-0.old";
    WriteBytes(par + tag, "stale par");
    WriteBytes(fdt + tag, "stale fdt");
    WriteOld();
    WriteNew();
    ASSERT_TRUE(pair.Replace());
    EXPECT_EQ(ReadBytes(par), "new par");
    EXPECT_EQ(ReadBytes(fdt), "new fdt");
    EXPECT_EQ(ReadBytes(par + tag), "stale par");
    EXPECT_EQ(ReadBytes(fdt + tag), "stale fdt");
    EXPECT_EQ(folder.Names().size(), 4u);
}

TEST_F(ResultPairTest, TemporariesAreOwnAndRemoved)
{
    WriteOld();
    ResultPair other(par, fdt);
    ASSERT_TRUE(pair.Create());
    ASSERT_TRUE(other.Create());
    EXPECT_NE(pair.Temp(0), other.Temp(0));
    EXPECT_NE(pair.Temp(1), other.Temp(1));
    EXPECT_EQ(folder.Names().size(), 6u);
    other.Discard();
    EXPECT_EQ(folder.Names().size(), 4u);
    EXPECT_TRUE(fs::exists(pair.Temp(0)));
    pair.Discard();
    EXPECT_EQ(folder.Names(), (Names{"a.fdt", "a.par"}));
    EXPECT_FALSE(pair.Replace());  // nothing to put in place
    EXPECT_EQ(ReadBytes(par), "old par");
}

// Named without a folder, as in a run started in the circuit's folder on
// "a.crc", the pair that a killed run left half put in place is put right.
TEST_F(ResultPairTest, PairNamedWithoutAFolderIsPutRight)
{
    WriteOld();
    fs::create_hard_link(par, par + ".7-0.old");
    fs::create_hard_link(fdt, fdt + ".7-0.old");
    WriteBytes(fdt + ".7-0.part", "new fdt");
    WriteBytes(par + ".7-0.part", "new par");
    fs::rename(par + ".7-0.part", par);
    const fs::path before = fs::current_path();
    fs::current_path(folder.Path());
    ResultPair bare("a.par", "a.fdt");
    bare.Recover();
    fs::current_path(before);
    EXPECT_EQ(ReadBytes(par), "old par");
    EXPECT_EQ(ReadBytes(fdt), "old fdt");
    EXPECT_EQ(folder.Names(), (Names{"a.fdt", "a.par"}));
}

// Every pair of names that the file system takes is put in place with nothing
// beside it; a pair whose names it does not take is not begun.
TEST(ResultPairNames, LongNamesArePutInPlaceAndTooLongOnesRefused)
{
    for (std::size_t length : {std::size_t{240}, std::size_t{250}, std::size_t{255}}) {
        SCOPED_TRACE(length);
        TempFolder folder;
        const std::string base(length - 4, 'c');
        ResultPair pair(folder / (base + ".par"), folder / (base + ".fdt"));
        for (const char* text : {"first", "second"}) {
            ASSERT_TRUE(pair.Create());
            WriteBytes(pair.Temp(0), text);
            WriteBytes(pair.Temp(1), text);
            ASSERT_TRUE(pair.Replace());
        }
        EXPECT_EQ(ReadBytes(folder / (base + ".fdt")), "second");
        EXPECT_EQ(folder.Names(), (Names{base + ".fdt", base + ".par"}));
    }
    TempFolder folder;
    ResultPair pair(folder / "short.par", folder / (std::string(252, 'c') + ".fdt"));
    EXPECT_FALSE(pair.Create());
    EXPECT_EQ(errno, ENAMETOOLONG);
    EXPECT_EQ(folder.Names(), Names{});
}

// A run killed at each step of its work on the pair, and what the next
// holder of the pair's lock finds once it has put right what was left.
struct KillPoint {
    const char* name;
    int steps;      // of those in KilledAt
    bool moved;     // the old files moved aside where the file system has no links
    bool replaced;  // the killed run's pair counts as in place
};

class ResultPairKilled : public ResultPairTest, public testing::WithParamInterface<KillPoint> {
protected:
    // The steps of a run of a process long gone: its temporaries created and
    // written, the old files kept under second names, the new ones renamed
    // in, the second names removed.
    void KilledAt(int steps, bool moved) { KilledAt(steps, moved, par, fdt); }
    static void KilledAt(int steps, bool moved, const std::string& par, const std::string& fdt)
    {
        const std::string tag = ".7-0";
        const auto keep = [&](const std::string& file) {
            if (moved)
                fs::rename(file, SideStem(file) + tag + ".old");
            else
                fs::create_hard_link(file, SideStem(file) + tag + ".old");
        };
        WriteBytes(SideStem(par) + tag + ".part", "new par");
        if (steps >= 1)
            WriteBytes(SideStem(fdt) + tag + ".part", "new fdt");
        if (steps >= 2)
            keep(par);
        if (steps >= 3)
            keep(fdt);
        if (steps >= 4)
            fs::rename(SideStem(par) + tag + ".part", par);
        if (steps >= 5)
            fs::rename(SideStem(fdt) + tag + ".part", fdt);
        if (steps >= 6)
            fs::remove(SideStem(par) + tag + ".old");
    }
};

TEST_P(ResultPairKilled, NextHolderFindsOneWholePair)
{
    const KillPoint& k = GetParam();
    WriteOld();
    const Names others = {"a.fdt.7-0.partial", "a.fdt.old", "a.fdt.x-0.part", "a.par.7-.old", "b.fdt.7-0.part"};
    for (const std::string& name : others)
        WriteBytes(folder / name, "another's");
    KilledAt(k.steps, k.moved);
    pair.Recover();
    EXPECT_EQ(ReadBytes(par), k.replaced ? "new par" : "old par");
    EXPECT_EQ(ReadBytes(fdt), k.replaced ? "new fdt" : "old fdt");
    Names left = {"a.fdt", "a.par"};
    left.insert(left.end(), others.begin(), others.end());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(folder.Names(), left);
    // And it writes its own pair as always.
    WriteNew();
    EXPECT_TRUE(pair.Replace());
    EXPECT_EQ(ReadBytes(fdt), "new fdt");
}

// Names near the limit, whose side names are shortened: the next holder finds
// what the killed run left all the same, and leaves alone what another pair
// of names as long, with the same start, left.
TEST_P(ResultPairKilled, NextHolderFindsOneWholePairOfLongNames)
{
    const KillPoint& k = GetParam();
    const std::string base(246, 'a');
    const std::string longPar = folder / (base + ".par"), longFdt = folder / (base + ".fdt");
    WriteBytes(longPar, "old par");
    WriteBytes(longFdt, "old fdt");
    const std::string otherPar = folder / (base + "b.par"), otherFdt = folder / (base + "b.fdt");
    WriteBytes(otherPar, "other par");
    WriteBytes(otherFdt, "other fdt");
    KilledAt(4, false, otherPar, otherFdt);
    const Names others = folder.Names();
    KilledAt(k.steps, k.moved, longPar, longFdt);
    ResultPair longPair(longPar, longFdt);
    longPair.Recover();
    EXPECT_EQ(ReadBytes(longPar), k.replaced ? "new par" : "old par");
    EXPECT_EQ(ReadBytes(longFdt), k.replaced ? "new fdt" : "old fdt");
    EXPECT_EQ(folder.Names(), others);
    ASSERT_TRUE(longPair.Create());
    WriteBytes(longPair.Temp(1), "newer fdt");
    EXPECT_TRUE(longPair.Replace());
    EXPECT_EQ(ReadBytes(longFdt), "newer fdt");
    EXPECT_EQ(folder.Names(), others);
}

INSTANTIATE_TEST_SUITE_P(Steps, ResultPairKilled,
                         testing::Values(KillPoint{"BetweenTheTwoCreates", 0, false, false},
                                         KillPoint{"WhileWriting", 1, false, false},
                                         KillPoint{"AfterKeepingTheOldFirst", 2, false, false},
                                         KillPoint{"AfterKeepingBothOld", 3, false, false},
                                         KillPoint{"BetweenTheRenames", 4, false, false},
                                         KillPoint{"AfterTheRenames", 5, false, true},
                                         KillPoint{"WhileRemovingTheOld", 6, false, true},
                                         KillPoint{"AfterMovingTheOldFirstAside", 2, true, false},
                                         KillPoint{"BetweenTheRenamesOldMovedAside", 4, true, false},
                                         KillPoint{"AfterTheRenamesOldMovedAside", 5, true, true}),
                         [](const auto& point) { return std::string(point.param.name); });

}  // namespace
