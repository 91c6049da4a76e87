// The road from an engine run to a result window: real Vimlo processes
// started from the frame's program folder post to the frame of this process.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>
#include <gtest/gtest.h>

#include "editor/analysis/EngineCommand.h"
#include "formats/Handshake.h"
#include "formats/Paths.h"
#include "platform/IniFile.h"
#include "platform/PostMessage.h"
#include "tests/editor/app/Frame.h"
#include "tests/editor/app/ResultWindows.h"
#include "tests/support/NetworkFiles.h"
#include "viewer/app/ChildWin.h"
#include "viewer/model/FDT.h"

namespace {

class CompletionRoad : public testing::Test {
protected:
    void SetUp() override
    {
        f.CopyProgram("Vimlo");
        f.Start();
    }

    // Starts the engine as a schematic window does: from the program folder,
    // the circuit's path as its one argument.
    void StartEngine(QProcess& process, const std::string& circuit)
    {
        ProgramCommand command = EngineCommand(f.folder.Folder(), circuit);
        process.start(QString::fromStdString(command.Program), {QString::fromStdString(command.Arguments[0])});
    }
    // Runs it to its end without letting the event loop run.
    void RunEngine(const std::string& circuit)
    {
        QProcess process;
        StartEngine(process, circuit);
        ASSERT_TRUE(process.waitForFinished(60000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }
    std::vector<TMDIChild*> Results() const { return ResultWindows(*f.form); }
    bool Opened(std::size_t count)
    {
        return WaitFor([&] { return Results().size() == count; });
    }

    Frame f;
};

}  // namespace

TEST_F(CompletionRoad, AnEngineRunOpensItsResult)
{
    RunEngine(f.Circuit("sallen_key"));
    ASSERT_TRUE(Opened(1));
    EXPECT_EQ(f.Captions(), std::vector<std::string>{"sallen_key.fdt"});
    TMDIChild* window = Results()[0];
    ASSERT_TRUE(window->Model()->loaded);
    EXPECT_EQ(window->Model()->fdtPath, f.folder / "sallen_key.fdt");
    EXPECT_EQ(window->Model()->denominatorTerms, 4);
    EXPECT_TRUE(f.dialogs.shown.empty());
}

// The same file name, even from another folder: that window is reloaded
// with the new path and comes to the front; no second window opens.
TEST_F(CompletionRoad, ASecondCompletionOfTheSameNameReloadsItsWindow)
{
    RunEngine(f.Circuit("sallen_key"));
    ASSERT_TRUE(Opened(1));
    TMDIChild* window = Results()[0];
    f.form->OpenFile(f.Example("rc_lowpass"));
    ASSERT_NE(f.form->ActiveChild(), window);

    RunEngine(f.Circuit("sallen_key", "other"));
    ASSERT_TRUE(WaitFor([&] { return window->Model()->fdtPath != f.folder / "sallen_key.fdt"; }));
    EXPECT_EQ(window->Model()->fdtPath, f.folder / "other/sallen_key.fdt");
    EXPECT_EQ(f.Captions(), (std::vector<std::string>{"sallen_key.fdt", "rc_lowpass.fdt"}));
    EXPECT_EQ(f.form->ActiveChild(), window);
}

// Both finish before the frame handles either message: the second has
// rewritten "LastFile", but each message names its own result.
TEST_F(CompletionRoad, TwoRunsFinishingTogetherOpenBothResults)
{
    QProcess first, second;
    StartEngine(first, f.Circuit("rc_lowpass"));
    StartEngine(second, f.Circuit("rlc_bandpass"));
    ASSERT_TRUE(first.waitForFinished(60000));
    ASSERT_TRUE(second.waitForFinished(60000));
    ASSERT_TRUE(Opened(2));
    std::vector<std::string> captions = f.Captions();
    std::sort(captions.begin(), captions.end());
    EXPECT_EQ(captions, (std::vector<std::string>{"rc_lowpass.fdt", "rlc_bandpass.fdt"}));
}

TEST_F(CompletionRoad, AMessageWithoutAPathOpensLastFile)
{
    std::string path = f.Example("ce_amplifier");
    IniFile(f.IniPath()).WriteString("SYSTEM", "LastFile", path);
    PostMessage(MessageEndpoint::Number(), WM_ANALYSIS_DONE);
    ASSERT_TRUE(Opened(1));
    EXPECT_EQ(Results()[0]->Model()->fdtPath, path);
}

TEST_F(CompletionRoad, ExitKeepsWhatTheEngineWroteMeanwhile)
{
    RunEngine(f.Circuit("rc_lowpass"));
    ASSERT_TRUE(Opened(1));
    f.form->close();
    IniFile ini(f.IniPath());
    EXPECT_EQ(ini.ReadString("SYSTEM", "LastFile", ""), f.folder / "rc_lowpass.fdt");
    EXPECT_EQ(ini.ReadInteger("SYSTEM", "Main", 0), MessageEndpoint::Number());
    EXPECT_EQ(ini.ReadString("SYSTEM", "EndTime", ""), "1.0");
}

// A reload must not free the network function under a long loop of its
// window: it waits until the loop has ended.
TEST_F(CompletionRoad, AReloadWaitsUntilItsWindowIsIdle)
{
    f.form->OpenFile(f.Example("rc_lowpass"));
    TMDIChild* window = Results()[0];
    FDT* before = window->Model();
    std::string other = f.Example("rc_lowpass", "other");
    {
        MdiChild::BusyScope loop(*window);
        f.form->Dispatch(WM_ANALYSIS_DONE, other);
        ProcessEvents();
        EXPECT_EQ(window->Model(), before);
        EXPECT_EQ(window->Model()->fdtPath, f.folder / "rc_lowpass.fdt");
    }
    ProcessEvents();
    EXPECT_EQ(window->Model()->fdtPath, other);
    EXPECT_EQ(Results().size(), 1u);
}

// The window was closed during its loop, before the completion for its name
// came: the result opens in a new window instead of going down with it.
TEST_F(CompletionRoad, AWindowClosedInItsLoopDoesNotTakeTheReloadAlong)
{
    f.form->OpenFile(f.Example("rc_lowpass"));
    TMDIChild* window = Results()[0];
    std::string other = f.Example("rc_lowpass", "other");
    {
        MdiChild::BusyScope loop(*window);
        window->CloseWindow();
        f.form->Dispatch(WM_ANALYSIS_DONE, other);
    }
    ProcessEvents();
    ProcessEvents();
    ASSERT_EQ(Results().size(), 1u);
    EXPECT_NE(Results()[0], window);
    EXPECT_EQ(Results()[0]->Model()->fdtPath, other);
}

// The same while the window's own computation lets the event loop run: the
// completion arrives in the middle of it, and the reload follows its end.
TEST_F(CompletionRoad, ACompletionWhileTheWindowComputesReloadsAfterTheLoop)
{
    std::string first = WriteManyTerms(f.folder.Folder(), "many", 5000);
    f.form->OpenFile(first);
    TMDIChild* window = Results()[0];
    std::filesystem::create_directory(f.folder / "other");
    std::string other = f.Example("rc_lowpass", "other");
    std::filesystem::rename(other, f.folder / "other/many.fdt");
    std::filesystem::rename(f.folder / "other/rc_lowpass.par", f.folder / "other/many.par");
    other = f.folder / "other/many.fdt";
    bool arrived = false;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(window->Busy());
        f.form->Dispatch(WM_ANALYSIS_DONE, other);
        arrived = true;
        EXPECT_EQ(window->Model()->fdtPath, first);
    });
    window->Gain1->trigger();
    EXPECT_TRUE(arrived);
    EXPECT_EQ(window->windowTitle().toStdString(), "many.fdt - Gain");
    EXPECT_EQ(window->Model()->fdtPath, first);
    ProcessEvents();
    EXPECT_EQ(window->Model()->fdtPath, other);
    EXPECT_EQ(window->Model()->denominatorTerms, 2);
    EXPECT_EQ(Results().size(), 1u);
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST_F(CompletionRoad, TheCurrentWindowOfThatNameIsReloadedFirst)
{
    f.form->OpenFile(f.Example("rc_lowpass", "a"));
    f.form->OpenFile(f.Example("rc_lowpass", "b"));
    f.form->OpenFile(f.Example("sallen_key"));
    TMDIChild* a = Results()[2];
    TMDIChild* b = Results()[1];
    ASSERT_EQ(a->Model()->fdtPath, f.folder / "a/rc_lowpass.fdt");
    f.form->Activate(a);
    f.form->Dispatch(WM_ANALYSIS_DONE, f.Example("rc_lowpass", "c"));
    EXPECT_EQ(a->Model()->fdtPath, f.folder / "c/rc_lowpass.fdt");
    EXPECT_EQ(b->Model()->fdtPath, f.folder / "b/rc_lowpass.fdt");
    EXPECT_EQ(Results().size(), 3u);
}

// The program itself, started offscreen in a copy of the program folder.
TEST(TervoxProgram, ReceivesTheCompletionsOfItsFolder)
{
    Frame f;
    for (const char* program : {"Tervox", "Vimlo", "help"})
        f.CopyProgram(program);
    QProcess tervox;
    tervox.setWorkingDirectory(QString::fromStdString(f.folder.Path().string()));
    tervox.start(QString::fromStdString(f.folder / "Tervox"), {});
    ASSERT_TRUE(tervox.waitForStarted());
    int pid = static_cast<int>(tervox.processId());
    IniFile ini(f.IniPath());
    ASSERT_TRUE(WaitFor([&] { return ini.ReadInteger("SYSTEM", "Main", 0) == pid; }));

    std::string stderrText;
    auto reported = [&](const std::string& text) {
        return WaitFor([&] {
            stderrText += tervox.readAllStandardError().toStdString();
            return stderrText.find(text) != std::string::npos;
        });
    };
    ASSERT_TRUE(PostMessage(pid, WM_ANALYSIS_DONE, f.folder / "gone.fdt"));
    EXPECT_TRUE(reported("The file " + f.folder / "gone.par" + " cannot be read!")) << stderrText;
    ini.WriteString("SYSTEM", "LastFile", f.folder / "older.fdt");
    ASSERT_TRUE(PostMessage(pid, WM_ANALYSIS_DONE));
    EXPECT_TRUE(reported("The file " + f.folder / "older.par" + " cannot be read!")) << stderrText;

    QProcess vimlo;
    vimlo.start(QString::fromStdString(f.folder / "Vimlo"), {QString::fromStdString(f.Circuit("rc_lowpass"))});
    ASSERT_TRUE(vimlo.waitForFinished(60000));
    EXPECT_EQ(vimlo.exitCode(), 0);
    EXPECT_FALSE(tervox.waitForFinished(500)) << "still running";
    stderrText += tervox.readAllStandardError().toStdString();
    EXPECT_EQ(stderrText.find("rc_lowpass"), std::string::npos) << stderrText;
    tervox.kill();
    tervox.waitForFinished();
}
