#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/StartProgram.h"
#include "tests/support/TempFolder.h"

namespace {

// Waits (at most about 20 s) for a file that another process writes.
bool Appears(const std::string& path)
{
    for (int i = 0; i < 400 && !std::filesystem::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return std::filesystem::exists(path);
}

TEST(StartProgram, PathWithBlanksArrivesAsOneArgument)
{
    TempFolder folder;
    std::string script = folder / "record";
    WriteBytes(script, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    ASSERT_TRUE(StartProgram(script, {folder / "my circuits/amp one.crc"}));
    ASSERT_TRUE(Appears(script + ".args"));
    EXPECT_EQ(ReadBytes(script + ".args"), "1\n" + folder / "my circuits/amp one.crc" + "\n");
}

TEST(StartProgram, MissingProgramIsReported)
{
    TempFolder folder;
    EXPECT_FALSE(StartProgram(folder / "Vimlo", {"c.crc"}));
}

}  // namespace
