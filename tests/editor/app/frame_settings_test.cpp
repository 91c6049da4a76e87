// The settings of tervox.ini: read at start with their defaults, "Main"
// written at start, five keys written when the frame closes.
#include <filesystem>
#include <gtest/gtest.h>

#include "platform/IniFile.h"
#include "tests/editor/app/Frame.h"
#include "viewer/app/ChildWin.h"

namespace {

std::string MainLine()
{
    return "Main=" + std::to_string(MessageEndpoint::Number()) + "\r\n";
}

}  // namespace

TEST(FrameSettings, WithoutAnIniTheDefaultsReachTheFirstResultAndExitWritesTheKeys)
{
    Frame f;
    TMainForm& form = f.Start();
    EXPECT_EQ(ReadBytes(f.IniPath()), "[SYSTEM]\r\n" + MainLine());
    form.OpenFile(f.Example("rc_lowpass"));
    auto* window = dynamic_cast<TMDIChild*>(form.ActiveChild());
    ASSERT_TRUE(window);
    EXPECT_EQ(window->Controls().start, "0.01");
    EXPECT_EQ(window->Controls().end, "100.0");
    EXPECT_EQ(window->Controls().endTime, "1.0");
    EXPECT_TRUE(window->Controls().hz);

    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(ReadBytes(f.IniPath()), "[SYSTEM]\r\n" + MainLine() +
                                          "InitialDir=\r\nFreqin=0.01\r\nFrefin=100.0\r\nEndTime=1.0\r\nHz=1\r\n");
}

TEST(FrameSettings, ValuesSurviveARoundTrip)
{
    Frame f;
    const std::string folder = "/data/My Circuits\\old=new/\xC3\x9C" "bung/";
    f.Start().InitialDir = folder;
    f.form->Remember({"1.5 k", "C:\\x=y", "2e-3 \xC3\xBC", false});
    f.form->close();
    f.form.reset();
    TMainForm& again = f.Start();
    EXPECT_EQ(again.InitialDir, folder);
    EXPECT_EQ(again.Freqin, "1.5 k");
    EXPECT_EQ(again.Frefin, "C:\\x=y");
    EXPECT_EQ(again.EndTime, "2e-3 \xC3\xBC");
    EXPECT_FALSE(again.Hz);
}

TEST(FrameSettings, HzIsTrueUnlessZero)
{
    for (auto [text, hz] : {std::pair{"0", false}, {"1", true}, {"2", true}, {"abc", true}}) {
        Frame f;
        WriteBytes(f.IniPath(), std::string("[SYSTEM]\r\nHz=") + text + "\r\nFreqin=5\r\n");
        TMainForm& form = f.Start();
        EXPECT_EQ(form.Hz, hz) << text;
        EXPECT_EQ(form.Freqin, "5");
        EXPECT_EQ(form.Frefin, "100.0");
    }
}

TEST(FrameSettings, TheFolderOfEveryConfirmedOpenIsRemembered)
{
    Frame f;
    TMainForm& form = f.Start();
    form.InitialDir = "/before/";
    f.dialogs.files = {f.Example("rc_lowpass", "a b=c")};
    form.FileOpenItemClick();
    ASSERT_EQ(f.dialogs.requests.size(), 1u);
    EXPECT_EQ(f.dialogs.requests[0].title, "Open");
    EXPECT_EQ(f.dialogs.requests[0].filter, "Files *.sch|*.sch|Files *.fdt|*.fdt");
    EXPECT_EQ(f.dialogs.requests[0].initialDir, "/before/");
    EXPECT_EQ(form.InitialDir, f.folder / "a b=c/");
    EXPECT_EQ(f.Captions(), std::vector<std::string>{"rc_lowpass.fdt"});

    form.FileOpenItemClick();  // cancelled
    EXPECT_EQ(form.InitialDir, f.folder / "a b=c/");
    EXPECT_EQ(f.Captions().size(), 1u);
}

// A folder that cannot hold the ini file: the user is told, twice, and the
// program works on.
TEST(FrameSettings, AnUnwritableIniIsReported)
{
    Frame f;
    auto form = std::make_unique<TMainForm>(f.folder / "missing/");
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].text, "Cannot write " + f.folder / "missing/tervox.ini" + "!");
    form->show();
    form->close();
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(f.dialogs.shown.size(), 2u);
    EXPECT_EQ(f.dialogs.shown[1].text, f.dialogs.shown[0].text);
}

// A read-only tervox.ini is read, reported as not writable, and kept as it was.
TEST(FrameSettings, AReadOnlyIniIsReportedAndKept)
{
    Frame f;
    const std::string settings = "[SYSTEM]\r\nMain=1\r\nFreqin=5\r\n";
    WriteBytes(f.IniPath(), settings);
    std::filesystem::permissions(f.IniPath(), std::filesystem::perms::owner_read);
    TMainForm& form = f.Start();
    EXPECT_EQ(form.Freqin, "5");
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].text, "Cannot write " + f.IniPath() + "!");
    form.close();
    EXPECT_EQ(f.dialogs.shown.size(), 2u);
    EXPECT_EQ(ReadBytes(f.IniPath()), settings);
}
