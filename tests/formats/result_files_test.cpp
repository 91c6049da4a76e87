// The lock that makes runs on one pair of result files take turns, and the
// replacement of a pair all or nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "formats/ExclusiveLock.h"
#include "formats/ResultPair.h"
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

}  // namespace
