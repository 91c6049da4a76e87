#include <QCoreApplication>
#include <QSignalSpy>
#include <filesystem>
#include <gtest/gtest.h>

#include "engine/app/Completion.h"
#include "platform/IniFile.h"
#include "platform/MessageEndpoint.h"
#include "tests/support/TempFolder.h"

class Completion : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(endpoint.Listen()); }

    TempFolder folder;
    MessageEndpoint endpoint;
    QSignalSpy received{&endpoint, &MessageEndpoint::Received};
};

// The message carries the path too: a later run that rewrites "LastFile"
// before the message is handled does not change what it names.
TEST_F(Completion, NamesTheResultThenPostsToMain)
{
    IniFile ini(folder / "tervox.ini");
    WriteBytes(ini.Path(), "[SYSTEM]\r\nMain=" + std::to_string(MessageEndpoint::Number()) +
                               "\r\nFreqin=0.01\r\nsomething of the user\r\n");
    ASSERT_TRUE(ReportCompletion(ini, "/r/amp.fdt"));
    EXPECT_EQ(ReadBytes(ini.Path()), "[SYSTEM]\r\nMain=" + std::to_string(MessageEndpoint::Number()) +
                                         "\r\nFreqin=0.01\r\nsomething of the user\r\nLastFile=/r/amp.fdt\r\n");
    ASSERT_TRUE(received.wait(10000));
    EXPECT_EQ(received[0][0].value<std::uint32_t>(), 33545u);
    EXPECT_EQ(received[0][1].value<std::string>(), "/r/amp.fdt");
}

// Tervox runs in a folder of its own: a path given relative to the engine's
// working folder reaches it as a full path.
TEST_F(Completion, ARelativePathIsNamedInFull)
{
    IniFile ini(folder / "tervox.ini");
    WriteBytes(ini.Path(), "[SYSTEM]\r\nMain=" + std::to_string(MessageEndpoint::Number()) + "\r\n");
    std::string full = (std::filesystem::current_path() / "r/amp.fdt").string();
    ASSERT_TRUE(ReportCompletion(ini, "r/amp.fdt"));
    EXPECT_EQ(ini.ReadString("SYSTEM", "LastFile", ""), full);
    ASSERT_TRUE(received.wait(10000));
    EXPECT_EQ(received[0][1].value<std::string>(), full);
}

TEST_F(Completion, WithoutMainTheResultIsStillNamed)
{
    IniFile ini(folder / "tervox.ini");
    ASSERT_TRUE(ReportCompletion(ini, "/r/amp.fdt"));
    EXPECT_EQ(ini.ReadString("SYSTEM", "LastFile", ""), "/r/amp.fdt");
    QCoreApplication::processEvents();
    EXPECT_EQ(received.count(), 0);
}

// The receiver would open whatever "LastFile" held before.
TEST_F(Completion, UnwrittenLastFilePostsNothing)
{
    IniFile ini(folder / "tervox.ini");
    std::string before = "[SYSTEM]\r\nMain=" + std::to_string(MessageEndpoint::Number()) + "\r\nLastFile=old.fdt\r\n";
    WriteBytes(ini.Path(), before);
    EXPECT_FALSE(ReportCompletion(ini, "/r/a\nMain=1.fdt"));
    EXPECT_EQ(ReadBytes(ini.Path()), before);
    QCoreApplication::processEvents();
    EXPECT_EQ(received.count(), 0);
}
