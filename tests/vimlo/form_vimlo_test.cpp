#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

#include "engine/app/Form3.h"
#include "engine/app/FormVimlo.h"
#include "formats/ExclusiveLock.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "tests/platform/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"
#include "tests/vimlo/Circuits.h"

namespace fs = std::filesystem;

class VimloWindows : public testing::Test {
protected:
    void SetUp() override
    {
        vimlo.SetEditor(&form3);
        vimlo.show();
        iniBefore = ReadBytes(IniFile::BesideProgram().Path());
    }
    void TearDown() override
    {
        EXPECT_EQ(ReadBytes(IniFile::BesideProgram().Path()), iniBefore);  // menu runs leave it alone
    }

    std::vector<std::string> Log() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < vimlo.Memo1->count(); ++i)
            lines.push_back(vimlo.Memo1->item(i)->text().toStdString());
        return lines;
    }
    std::string Circuit(const std::string& name, const std::string& text)
    {
        WriteBytes(folder / name, text);
        return folder / name;
    }
    void ExpectIdle() const
    {
        EXPECT_FALSE(vimlo.Running());
        EXPECT_TRUE(vimlo.Open2->isEnabled());
        EXPECT_TRUE(vimlo.Edit1->isEnabled());
        EXPECT_TRUE(vimlo.Exit1->isEnabled());
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    TFormVimlo vimlo{""};
    TForm3 form3{vimlo};
    std::string iniBefore;
};

TEST_F(VimloWindows, StartsIdleWithItsCaptionsAndNeverRunsByItself)
{
    EXPECT_EQ(vimlo.windowTitle().toStdString(), "Vimlo V3.0");
    EXPECT_EQ(form3.windowTitle().toStdString(), "Edit");
    EXPECT_TRUE(vimlo.Abort1->isEnabled());
    vimlo.Timer1Timer();
    vimlo.Abort1Click();  // while idle: nothing
    EXPECT_TRUE(Log().empty());
    ExpectIdle();
}

TEST_F(VimloWindows, OpenRunsTheChosenFileAndStaysOpen)
{
    std::string path = Circuit("low.crc", kLowPass);
    dialogs.files = {path};
    vimlo.Open2Click();

    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].initialDir, ProgramFolder());
    EXPECT_EQ(dialogs.requests[0].filter, "CRC Files|*.crc");
    EXPECT_EQ(dialogs.requests[0].defaultExt, "crc");
    std::vector<std::string> log = Log();
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log[0], "low.crc: 4 branches, 5 nodes.");
    EXPECT_EQ(log[1], "Numerator:");
    EXPECT_EQ(log[2], "1 Terms");
    EXPECT_EQ(log[3], "Denominator:");
    EXPECT_EQ(log[4], "2 Terms");
    EXPECT_TRUE(std::regex_match(log[5], std::regex("Time: [0-9]+ millisec"))) << log[5];
    EXPECT_EQ(log[6], "Out in: " + folder / "low.fdt");
    EXPECT_TRUE(fs::exists(folder / "low.fdt"));
    EXPECT_TRUE(fs::exists(folder / "low.par"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(vimlo.isVisible());
    EXPECT_FALSE(vimlo.Abort1->isEnabled());
    ExpectIdle();
}

TEST_F(VimloWindows, AccentedFileNamesShowAsTheyAreInTheLogAndTheEditorCaption)
{
    std::string path = Circuit("r\xC3\xA9seau.crc", kLowPass);
    dialogs.files = {path};
    vimlo.Open2Click();
    std::vector<std::string> log = Log();
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log[0], "r\xC3\xA9seau.crc: 4 branches, 5 nodes.");
    EXPECT_EQ(log[6], "Out in: " + folder / "r\xC3\xA9seau.fdt");

    dialogs.files = {path};
    vimlo.Edit1Click();
    EXPECT_EQ(form3.windowTitle().toStdString(), "Edit " + path);
}

TEST_F(VimloWindows, RejectedLineEndsTheRunWithNothingLoggedOrWritten)
{
    dialogs.files = {Circuit("bad.crc", kRejected)};
    vimlo.Open2Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Error in line 2");
    EXPECT_TRUE(Log().empty());
    EXPECT_FALSE(fs::exists(folder / "bad.fdt"));
    EXPECT_FALSE(fs::exists(folder / "bad.par"));
    EXPECT_TRUE(vimlo.isVisible());
    ExpectIdle();
}

// A circuit whose fixed edges close a loop ends a run from the menu with its
// error box, not the program: the editor's text and the window stay, the
// earlier results are kept, and the next run goes as always.
TEST_F(VimloWindows, InvalidCircuitEndsTheMenuRunAndTheWindowStays)
{
    std::string path = Circuit("loop.crc", kLowPass);
    dialogs.files = {path};
    vimlo.Open2Click();
    const std::string fdt = ReadBytes(folder / "loop.fdt"), par = ReadBytes(folder / "loop.par");
    form3.Load(path);
    form3.Memo1->setPlainText("unsaved");
    WriteBytes(path, kLoop);

    dialogs.files = {path};
    vimlo.Open2Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Invalid Circuit!\r\nCheck the circuit schematic!");
    EXPECT_EQ(dialogs.shown[0].caption, "Error");
    EXPECT_EQ(dialogs.shown[0].icon, MsgIcon::Error);
    EXPECT_EQ(ReadBytes(folder / "loop.fdt"), fdt);
    EXPECT_EQ(ReadBytes(folder / "loop.par"), par);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"loop.crc", "loop.fdt", "loop.par"}));
    EXPECT_EQ(form3.Memo1->toPlainText().toStdString(), "unsaved");
    EXPECT_TRUE(vimlo.isVisible());
    EXPECT_FALSE(vimlo.Abort1->isEnabled());
    ExpectIdle();

    dialogs.files = {Circuit("low.crc", kLowPass)};
    vimlo.Open2Click();
    ASSERT_EQ(Log().size(), 7u);
    EXPECT_EQ(Log()[4], "2 Terms");
}

// Another run holds the results: the log says so while the window waits,
// and once it is over the run logs as always.
TEST_F(VimloWindows, WaitForAnotherRunIsLoggedThenTheRunGoesOn)
{
    dialogs.files = {Circuit("low.crc", kLowPass)};
    ExclusiveLock other(folder / "low.fdt.lock");
    ASSERT_EQ(other.TryLock(), ExclusiveLock::Result::Locked);
    std::vector<std::string> waitingLog;
    bool running = false;
    QTimer::singleShot(0, &vimlo, [&] {
        waitingLog = Log();
        running = vimlo.Running();
        form3.Run1Click();  // ignored while waiting
        other.Release();
    });
    vimlo.Open2Click();

    EXPECT_EQ(waitingLog, std::vector<std::string>{"Waiting for another run writing low.fdt..."});
    EXPECT_TRUE(running);
    std::vector<std::string> log = Log();
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log[0], "low.crc: 4 branches, 5 nodes.");
    EXPECT_EQ(log[4], "2 Terms");
    EXPECT_TRUE(fs::exists(folder / "low.fdt"));
    EXPECT_TRUE(dialogs.shown.empty());
    ExpectIdle();
}

// While the run waits for another one, Abort is the command that acts: it
// gives the wait up, with nothing written, and the window is idle again.
TEST_F(VimloWindows, AbortGivesUpTheWaitForAnotherRun)
{
    dialogs.files = {Circuit("low.crc", kLowPass)};
    ExclusiveLock other(folder / "low.fdt.lock");
    ASSERT_EQ(other.TryLock(), ExclusiveLock::Result::Locked);
    QTimer giveUp;  // without the fix the wait would never end
    giveUp.callOnTimeout([&] { other.Release(); });
    giveUp.start(3000);
    bool onlyAbort = false;
    QTimer::singleShot(0, &vimlo, [&] {
        onlyAbort = vimlo.Abort1->isEnabled() && !vimlo.Open2->isEnabled() && !vimlo.Edit1->isEnabled()
            && !vimlo.Exit1->isEnabled();
        vimlo.Abort1Click();
    });
    vimlo.Open2Click();

    EXPECT_TRUE(onlyAbort);
    EXPECT_EQ(Log(), (std::vector<std::string>{"Waiting for another run writing low.fdt...", "Simulation Aborted!"}));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"low.crc", "low.fdt.lock"}));
    EXPECT_TRUE(dialogs.shown.empty());
    ExpectIdle();
}

// During a run only Abort acts: closing, a second run and the timer's
// progress line are seen from inside the run's event processing.
TEST_F(VimloWindows, AbortStopsALongRunAndOnlyAbortActsDuringIt)
{
    dialogs.files = {Circuit("ladder.crc", Ladder(18))};
    bool seen = false, openEnabled = true, stillVisible = false;
    std::string progress;
    QTimer::singleShot(0, &vimlo, [&] {
        seen = vimlo.Running();
        openEnabled = vimlo.Open2->isEnabled() || vimlo.Edit1->isEnabled() || vimlo.Exit1->isEnabled();
        vimlo.close();
        stillVisible = vimlo.isVisible();
        form3.Run1Click();  // ignored while running
        vimlo.Timer1Timer();
        progress = vimlo.Memo1->item(vimlo.Memo1->count() - 1)->text().toStdString();
        vimlo.Abort1Click();
    });
    vimlo.Open2Click();

    EXPECT_TRUE(seen);
    EXPECT_FALSE(openEnabled);
    EXPECT_TRUE(stillVisible);
    EXPECT_TRUE(std::regex_match(progress, std::regex("[0-9]+"))) << progress;
    std::vector<std::string> log = Log();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[0], "ladder.crc: 38 branches, 22 nodes.");
    EXPECT_TRUE(std::regex_match(log[4], std::regex("[0-9]+ Terms"))) << log[4];
    EXPECT_EQ(log[5], "Simulation Aborted!");
    EXPECT_TRUE(dialogs.shown.empty());  // the big-output question is for command-line runs
    EXPECT_TRUE(vimlo.isVisible());
    ExpectIdle();
}

// Answering No to the big-output question aborts; offscreen, a command-line
// run that did not complete closes the window (the program then fails).
TEST_F(VimloWindows, NoToTheBigOutputQuestionAbortsTheCommandLineRun)
{
    dialogs.answer = MsgResult::No;
    vimlo.RunAnalysis(Circuit("ladder.crc", Ladder(14)), true);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "The output files for this circuit\r\ncould requires tens of MegaBytes!\r\nDo you want to proceed?");
    EXPECT_EQ(dialogs.shown[0].icon, MsgIcon::Warning);
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::YesNo);
    ASSERT_FALSE(Log().empty());
    EXPECT_EQ(Log().back(), "Simulation Aborted!");
    EXPECT_FALSE(vimlo.isVisible());
}

// A run ended by an exception (here thrown by the big-output question's box)
// lets go of its results before the box that shows it: nothing of the run is
// left, and another run on them need not wait for the box.
TEST_F(VimloWindows, RunEndedByAnExceptionFreesTheResultsBeforeItsBox)
{
    struct Failing : ScriptedDialogs {
        MsgResult Message(const std::string& text, const std::string& caption, MsgIcon icon,
                          MsgButtons buttons) override
        {
            if (buttons == MsgButtons::YesNo)
                throw std::runtime_error("out of memory");
            names = folder.Names();
            ExclusiveLock next(folder / "ladder.fdt.lock");
            free = next.TryLock() == ExclusiveLock::Result::Locked;
            return ScriptedDialogs::Message(text, caption, icon, buttons);
        }
        const TempFolder& folder;
        explicit Failing(const TempFolder& f) : folder(f) {}
        bool free = false;
        std::vector<std::string> names;
    } failing(folder);
    vimlo.RunAnalysis(Circuit("ladder.crc", Ladder(14)), true);
    ASSERT_EQ(failing.shown.size(), 1u);
    EXPECT_EQ(failing.shown[0].text, "out of memory");
    EXPECT_TRUE(failing.free);
    EXPECT_EQ(failing.names, std::vector<std::string>{"ladder.crc"});
    EXPECT_FALSE(vimlo.Running());
}

TEST_F(VimloWindows, EditorLoadsSavesAsAndRuns)
{
    std::string path = Circuit("low.crc", kLowPass);
    dialogs.files = {path};
    vimlo.Edit1Click();
    EXPECT_TRUE(form3.isVisible());
    EXPECT_EQ(form3.windowTitle().toStdString(), "Edit " + path);
    EXPECT_EQ(form3.CurrentFile(), path);
    EXPECT_EQ(form3.Memo1->toPlainText().toStdString(),
              "low pass\nV1 1 0 1 1\nR1 1 2 1000 0\nC1 2 0 1e-6 0\n.OUT 2\n.END");

    form3.Memo1->setPlainText("edited\nV1 1 0 1 1\nR1 1 2 1000 0\nR2 2 0 1000 0\n.OUT 2\n");
    std::string copy = folder / "copy.crc";
    dialogs.files = {copy};
    form3.SaveAs1Click();
    EXPECT_EQ(dialogs.requests.back().initialDir, folder.Folder());
    EXPECT_EQ(dialogs.requests.back().defaultExt, "crc");
    EXPECT_EQ(ReadBytes(copy), "edited\r\nV1 1 0 1 1\r\nR1 1 2 1000 0\r\nR2 2 0 1000 0\r\n.OUT 2\r\n");
    EXPECT_EQ(ReadBytes(path), kLowPass);
    EXPECT_EQ(form3.windowTitle().toStdString(), "Edit " + copy);

    form3.Memo1->setPlainText("run\nV1 1 0 1 1\nR1 1 2 1000 0\nC1 2 0 1e-6 0\n.OUT 2");
    form3.Run1Click();
    EXPECT_EQ(ReadBytes(copy), "run\r\nV1 1 0 1 1\r\nR1 1 2 1000 0\r\nC1 2 0 1e-6 0\r\n.OUT 2\r\n");
    ASSERT_EQ(Log().size(), 7u);
    EXPECT_EQ(Log()[0], "copy.crc: 4 branches, 5 nodes.");
    EXPECT_TRUE(fs::exists(folder / "copy.fdt"));
    EXPECT_TRUE(vimlo.isVisible());

    form3.Exit1Click();
    EXPECT_FALSE(form3.isVisible());
}

TEST_F(VimloWindows, EditorWithoutAFileRunsNothing)
{
    form3.Run1Click();
    form3.Save1Click();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "Cannot create file \"\"");
    EXPECT_TRUE(Log().empty());

    dialogs.files = {folder / "missing.crc"};
    vimlo.Edit1Click();
    EXPECT_EQ(dialogs.shown.back().text, "Cannot open file \"" + folder / "missing.crc" + "\"");
    EXPECT_FALSE(form3.isVisible());
    EXPECT_EQ(form3.CurrentFile(), "");
}

TEST_F(VimloWindows, ExitClosesTheWindow)
{
    vimlo.Exit1Click();
    EXPECT_FALSE(vimlo.isVisible());
}
