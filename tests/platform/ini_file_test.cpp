#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "platform/FileLock.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "tests/support/TempFolder.h"

TEST(IniFile, MissingFileGivesDefaults)
{
    TempFolder folder;
    IniFile ini(folder / "tervox.ini");
    EXPECT_EQ(ini.ReadString("SYSTEM", "LastFile", "none"), "none");
    EXPECT_EQ(ini.ReadInteger("SYSTEM", "Main", 42), 42);
    EXPECT_EQ(ini.ReadValue("SYSTEM", "LastFile"), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(folder / "tervox.ini"));
}

TEST(IniFile, WritesOneKeyAndKeepsEveryOtherLine)
{
    TempFolder folder;
    std::string path = folder / "tervox.ini";
    WriteBytes(path, "; mine\r\n[system]\r\nmain=77\r\nSomething Else\r\nfreqin = 0.5\r\n\r\n[Keep]\r\nLastFile=x\r\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteString("SYSTEM", "LastFile", "/a b/c.fdt"));
    EXPECT_EQ(ReadBytes(path), "; mine\r\n[system]\r\nmain=77\r\nSomething Else\r\nfreqin = 0.5\r\n"
                               "LastFile=/a b/c.fdt\r\n\r\n[Keep]\r\nLastFile=x\r\n");
    EXPECT_EQ(ini.ReadString("System", "LASTFILE", ""), "/a b/c.fdt");
    EXPECT_EQ(ini.ReadString("SYSTEM", "Freqin", ""), "0.5");
    EXPECT_EQ(ini.ReadInteger("SYSTEM", "Main", 0), 77);
    ASSERT_TRUE(ini.WriteInteger("SYSTEM", "MAIN", -5));
    EXPECT_EQ(ini.ReadInteger("SYSTEM", "Main", 0), -5);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"tervox.ini", "tervox.ini.lock"}))
        << "no temporary file stays";
}

TEST(IniFile, AnEmptyValueIsNotAMissingKey)
{
    TempFolder folder;
    IniFile ini(folder.Write("tervox.ini", "[SYSTEM]\nSpiceOptions=\n[Other]\nDefSym=x"));
    EXPECT_EQ(ini.ReadValue("SYSTEM", "SpiceOptions"), "");
    EXPECT_EQ(ini.ReadValue("SYSTEM", "DefSym"), std::nullopt) << "only in another section";
    EXPECT_EQ(ini.ReadValue("system", "spiceoptions"), "");
}

TEST(IniFile, ReadsEveryCallAfresh)
{
    TempFolder folder;
    std::string path = folder / "tervox.ini";
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteString("SYSTEM", "Hz", "1"));
    WriteBytes(path, "[SYSTEM]\nHz=0\n");  // the other program
    EXPECT_EQ(ini.ReadInteger("SYSTEM", "Hz", 9), 0);
}

struct IntegerCase {
    const char* text;
    int expected;
};

void PrintTo(const IntegerCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class IniInteger : public testing::TestWithParam<IntegerCase> {};

TEST_P(IniInteger, DecimalOrDefault)
{
    TempFolder folder;
    IniFile ini(folder / "tervox.ini");
    WriteBytes(ini.Path(), std::string("[SYSTEM]\r\nMain=") + GetParam().text + "\r\n");
    EXPECT_EQ(ini.ReadInteger("SYSTEM", "Main", -1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniInteger,
                         testing::Values(IntegerCase{"123", 123}, IntegerCase{" 0 ", 0}, IntegerCase{"+8", 8},
                                         IntegerCase{"-12", -12}, IntegerCase{"", -1}, IntegerCase{"12a", -1},
                                         IntegerCase{"abc", -1}, IntegerCase{"99999999999", -1}),
                         [](const auto& test) { return "Case" + std::to_string(test.index); });

TEST(IniFile, RefusesLineBreaksInValues)
{
    TempFolder folder;
    IniFile ini(folder / "tervox.ini");
    ASSERT_TRUE(ini.WriteString("SYSTEM", "Main", "5"));
    EXPECT_FALSE(ini.WriteString("SYSTEM", "LastFile", "a.fdt\nMain=6"));
    EXPECT_FALSE(ini.WriteString("SYSTEM", "LastFile", "a.fdt\rMain=6"));
    EXPECT_EQ(ReadBytes(ini.Path()), "[SYSTEM]\r\nMain=5\r\n");
}

TEST(IniFile, UnwritableFileFailsAndStaysAsItWas)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "tervox.ini");  // neither readable as text nor replaceable
    IniFile ini(folder / "tervox.ini");
    EXPECT_FALSE(ini.WriteString("SYSTEM", "LastFile", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "tervox.ini"));

    IniFile nowhere(folder / "missing/tervox.ini");
    EXPECT_FALSE(nowhere.WriteString("SYSTEM", "LastFile", "x"));
}

// Several processes write their own keys at the same moment, many times
// each: no write is lost and the file's other lines survive.
TEST(IniFile, ConcurrentWritersLoseNothing)
{
    TempFolder folder;
    std::string path = folder / "tervox.ini";
    WriteBytes(path, "; header\r\n[SYSTEM]\r\nKeep=yes\r\n[Other]\r\nz=1\r\n");
    constexpr int kWriters = 6, kRounds = 40;
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            IniFile ini(path);
            bool ok = true;
            for (int r = 0; r < kRounds; ++r)
                ok = ini.WriteInteger("SYSTEM", "Writer" + std::to_string(w), r) && ok;
            _exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    IniFile ini(path);
    for (int w = 0; w < kWriters; ++w)
        EXPECT_EQ(ini.ReadInteger("SYSTEM", "Writer" + std::to_string(w), -1), kRounds - 1) << w;
    EXPECT_EQ(ini.ReadString("SYSTEM", "Keep", ""), "yes");
    EXPECT_EQ(ini.ReadString("Other", "z", ""), "1");
    std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes.rfind("; header\r\n[SYSTEM]\r\nKeep=yes\r\n", 0), 0u);
    EXPECT_NE(bytes.find("[Other]\r\nz=1\r\n"), std::string::npos);
}

// A writer that dies holding the lock, and its half-written temporary file,
// neither block nor spoil the next write.
TEST(IniFile, WriterKilledMidWayLeavesTheFileWhole)
{
    TempFolder folder;
    std::string path = folder / "tervox.ini";
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteString("SYSTEM", "Main", "12"));
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        FileLock lock(path + ".lock");
        WriteBytes(path + ".tmp" + std::to_string(getpid()) + "-0~", "[SYS");
        char byte = lock.Locked() ? 'y' : 'n';
        (void)!write(ready[1], &byte, 1);
        pause();
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    EXPECT_EQ(byte, 'y');
    EXPECT_FALSE(FileLock(path + ".lock", std::chrono::milliseconds(20)).Locked());  // held by the child
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    close(ready[0]);
    close(ready[1]);

    EXPECT_EQ(ini.ReadInteger("SYSTEM", "Main", 0), 12);
    ASSERT_TRUE(ini.WriteString("SYSTEM", "LastFile", "r.fdt"));
    EXPECT_EQ(ReadBytes(path), "[SYSTEM]\r\nMain=12\r\nLastFile=r.fdt\r\n");
}

TEST(ProgramFolder, IsTheFolderOfTheRunningExecutable)
{
    EXPECT_EQ(std::filesystem::canonical(ProgramFolder()), std::filesystem::canonical(TERVOX_TEST_DIR));
    EXPECT_EQ(ProgramFolder().back(), '/');
    EXPECT_EQ(IniFile::BesideProgram().Path(), ProgramFolder() + "tervox.ini");
}

// An ini file of a name near the file system's limit: its lock and temporary
// get names that fit, and the write goes through.
TEST(IniFile, NameNearTheLimitIsWritten)
{
    TempFolder folder;
    const std::string name = std::string(246, 'i') + ".ini";
    IniFile ini(folder / name);
    ASSERT_TRUE(ini.WriteString("SYSTEM", "LastFile", "r.fdt"));
    ASSERT_TRUE(ini.WriteString("SYSTEM", "Main", "7"));
    EXPECT_EQ(ReadBytes(folder / name), "[SYSTEM]\r\nLastFile=r.fdt\r\nMain=7\r\n");
    const std::vector<std::string> names = folder.Names();
    ASSERT_EQ(names.size(), 2u) << "the file and its lock";
    EXPECT_EQ(names[0], name);
    EXPECT_TRUE(names[1].ends_with(".lock")) << names[1];
}
