// The SPICE window: the analysis line on load and by "ok", the simulator
// program, Save As, Run Spice with its options and its failures, and a real
// ngspice run on an exported RC low-pass against the engine's network function.
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

#include "editor/app/FormSpice.h"
#include "editor/commands/AnalysisCommands.h"
#include "editor/commands/NetlistCommand.h"
#include "formats/TextFile.h"
#include "tests/editor/Boards.h"
#include "tests/editor/app/Frame.h"
#include "tests/support/EngineRun.h"
#include "tests/support/NgspiceRaw.h"

namespace {

using Lines = std::vector<std::string>;

const char* const kNetlist = "/c/rc.sch\r\nR1 1 2 1000\r\nC1 2 0 1e-06\r\nV1 1 0 AC 1\r\n"
                             ".AC DEC 100 1 1000\r\n.PROBE\r\n.END\r\n";

std::string Text(const QString& text) { return text.toLatin1().toStdString(); }

class FormSpice : public testing::Test {
protected:
    void SetUp() override { f.Start(); }

    // A window on a netlist written into the folder "my circuits".
    TFormSpice* Open(const std::string& name = "rc.cir", const char* netlist = kNetlist)
    {
        std::filesystem::create_directories(f.folder / "my circuits");
        std::string path = f.folder / ("my circuits/" + name);
        WriteBytes(path, netlist);
        return OpenSpiceWindow(nullptr, path);
    }
    IniFile Ini() const { return IniFile(f.IniPath()); }
    void SetKey(const std::string& key, const std::string& value) { ASSERT_TRUE(Ini().WriteString("SYSTEM", key, value)); }
    std::optional<std::string> Key(const std::string& key) const { return Ini().ReadValue("SYSTEM", key); }
    static std::string Caption(TFormSpice* window) { return Text(window->parentWidget()->windowTitle()); }
    static Lines MemoLines(TFormSpice* window) { return SplitTextLines(Text(window->Memo1->toPlainText())); }

    // A stand-in simulator in the program folder: it writes its arguments,
    // one a line, to <itself>.args.
    std::string Recorder(const std::string& name)
    {
        std::string path = f.folder / name;
        WriteBytes(path, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.tmp\"\n"
                         "mv \"$0.tmp\" \"$0.args\"\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path;
    }
    // The arguments the stand-in was started with.
    static Lines Recorded(const std::string& program)
    {
        if (!WaitFor([&] { return std::filesystem::exists(program + ".args"); }))
            return {"(never started)"};
        Lines lines = SplitTextLines(ReadBytes(program + ".args"));
        std::filesystem::remove(program + ".args");
        return lines;
    }

    Frame f;
};

}  // namespace

TEST_F(FormSpice, LoadingPutsTheRememberedAnalysisLineThirdFromTheEnd)
{
    TFormSpice* first = Open();
    ASSERT_TRUE(first);
    EXPECT_STREQ(first->metaObject()->className(), "TFormSpice");
    EXPECT_EQ(f.form->ActiveChild(), first);
    EXPECT_EQ(Caption(first), f.folder / "my circuits/rc.cir");
    EXPECT_EQ(Text(first->Edit1->text()), "");
    EXPECT_EQ(Text(first->Edit2->text()), ".AC DEC 100 1 1000");
    EXPECT_EQ(MemoLines(first), SplitTextLines(kNetlist));
    EXPECT_EQ(Key("DefSym"), std::nullopt) << "loading writes no key";

    SetKey("DefSym", ".TRAN 1n 1u");
    SetKey("SpiceProg", "/opt/spice/bin/spice3");
    TFormSpice* second = Open("rc2.cir");
    ASSERT_TRUE(second);
    EXPECT_EQ(Text(second->Edit1->text()), "/opt/spice/bin/spice3");
    EXPECT_EQ(Text(second->Edit2->text()), ".TRAN 1n 1u");
    Lines memo = MemoLines(second);
    ASSERT_EQ(memo.size(), 7u);
    EXPECT_EQ(Lines(memo.end() - 3, memo.end()), (Lines{".TRAN 1n 1u", ".PROBE", ".END"}));
    EXPECT_EQ(ReadBytes(f.folder / "my circuits/rc2.cir"), kNetlist) << "the file changes only when saved";
    EXPECT_EQ(Text(first->Edit2->text()), ".AC DEC 100 1 1000") << "an open window keeps its line";
    EXPECT_EQ(f.Captions().size(), 2u);
}

TEST_F(FormSpice, OkPutsTheLineIntoTheEditedMemoAndRemembersIt)
{
    TFormSpice* window = Open();
    ASSERT_TRUE(window);
    window->Memo1->setPlainText("* mine\nR1 1 0 1k\n.AC DEC 100 1 1000\n.PROBE\n.END");
    window->Edit2->clear();
    QTest::keyClicks(window->Edit2, ".AC LIN 10 1 100");
    QTest::mouseClick(window->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(MemoLines(window), (Lines{"* mine", "R1 1 0 1k", ".AC LIN 10 1 100", ".PROBE", ".END"}));
    EXPECT_EQ(Key("DefSym"), ".AC LIN 10 1 100");
    EXPECT_EQ(ReadBytes(f.folder / "my circuits/rc.cir"), kNetlist) << "ok saves nothing";

    TFormSpice* next = Open("next.cir");
    ASSERT_TRUE(next);
    EXPECT_EQ(MemoLines(next)[4], ".AC LIN 10 1 100");

    window->Memo1->setPlainText(".PROBE\n.END");
    QTest::mouseClick(window->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(MemoLines(window), (Lines{".PROBE", ".END"})) << "no analysis line to replace";
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST_F(FormSpice, TheProgramIsChosenThroughTheDialogAndRemembered)
{
    SetKey("SpiceProg", "/usr/local/bin/ngspice");
    TFormSpice* window = Open();
    ASSERT_TRUE(window);
    QTest::mouseClick(window->SpeedButton1, Qt::LeftButton);  // cancelled
    EXPECT_EQ(Text(window->Edit1->text()), "/usr/local/bin/ngspice");
    ASSERT_EQ(f.dialogs.requests.size(), 1u);
    EXPECT_EQ(f.dialogs.requests[0].initialDir, "/usr/local/bin/");
    EXPECT_EQ(f.dialogs.requests[0].fileName, "ngspice");

    f.dialogs.files = {"/opt/my spice/spice3"};
    QTest::mouseClick(window->SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(Text(window->Edit1->text()), "/opt/my spice/spice3");
    EXPECT_EQ(Key("SpiceProg"), "/opt/my spice/spice3");
    EXPECT_TRUE(window->Edit1->isReadOnly());
}

TEST_F(FormSpice, SaveAsMovesTheWindowToTheNewFile)
{
    std::string program = Recorder("spice3");
    SetKey("SpiceProg", program);
    TFormSpice* window = Open();
    ASSERT_TRUE(window);
    window->Memo1->setPlainText("edited\n.END");

    QTest::mouseClick(window->SpeedButton4, Qt::LeftButton);  // cancelled
    ASSERT_EQ(f.dialogs.requests.size(), 1u);
    EXPECT_EQ(f.dialogs.requests[0].initialDir, f.folder / "my circuits/");
    EXPECT_EQ(f.dialogs.requests[0].fileName, "rc.cir");
    EXPECT_EQ(f.dialogs.requests[0].filter, "Spice Files|*.cir");
    EXPECT_EQ(f.dialogs.requests[0].defaultExt, "cir");

    f.dialogs.files = {f.folder / "gone/x.cir"};
    QTest::mouseClick(window->SpeedButton4, Qt::LeftButton);
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].text, "Cannot create file \"" + (f.folder / "gone/x.cir") + "\"");
    EXPECT_EQ(Caption(window), f.folder / "my circuits/rc.cir");

    f.dialogs.files = {f.folder / "my circuits/copy 2.cir"};
    QTest::mouseClick(window->SpeedButton4, Qt::LeftButton);
    EXPECT_EQ(Caption(window), f.folder / "my circuits/copy 2.cir");
    EXPECT_EQ(ReadBytes(f.folder / "my circuits/copy 2.cir"), "edited\r\n.END\r\n");
    EXPECT_EQ(ReadBytes(f.folder / "my circuits/rc.cir"), kNetlist);

    window->Memo1->setPlainText("again\n.END");
    QTest::mouseClick(window->SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(Recorded(program), (Lines{f.folder / "my circuits/copy 2.cir", "-r"}));
    EXPECT_EQ(ReadBytes(f.folder / "my circuits/copy 2.cir"), "again\r\n.END\r\n");
    EXPECT_NE(Text(window->Status->text()), "");
    f.dialogs.files = {f.folder / "third.cir"};
    QTest::mouseClick(window->SpeedButton4, Qt::LeftButton);
    EXPECT_EQ(Text(window->Status->text()), "") << "the status told of the file before";
    EXPECT_EQ(f.dialogs.shown.size(), 1u);
}

// Run Spice saves the memo and starts the program on the netlist, one
// argument however many blanks, with the options of the settings file.
TEST_F(FormSpice, RunSpiceStartsTheProgramWithTheOptions)
{
    struct Case {
        const char* name;
        std::optional<std::string> options;
        Lines after;  // the arguments after the netlist path
    };
    const std::string base = f.folder / "my circuits/rc";
    const Case cases[] = {
        {"ngspice", std::nullopt, {"-b", "-o", base + ".log", "-r", base + ".raw"}},
        {"ngspice", "", {}},
        {"ngspice", "-b  -r out.raw", {"-b", "-r", "out.raw"}},
        {"spice3", std::nullopt, {"-r"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.options.value_or("(absent)"));
        std::string program = Recorder(c.name);
        SetKey("SpiceProg", program);
        if (c.options)
            SetKey("SpiceOptions", *c.options);
        TFormSpice* window = Open();
        ASSERT_TRUE(window);
        window->Memo1->setPlainText("edited\n.END");
        QTest::mouseClick(window->SpeedButton3, Qt::LeftButton);
        Lines expected{base + ".cir"};
        expected.insert(expected.end(), c.after.begin(), c.after.end());
        EXPECT_EQ(Recorded(program), expected);
        EXPECT_EQ(ReadBytes(base + ".cir"), "edited\r\n.END\r\n");
        std::string status = Text(window->Status->text());
        if (c.options || std::string(c.name) != "ngspice")
            EXPECT_EQ(status, "Started \"" + program + "\" on \"" + base + ".cir\"");
        else
            EXPECT_EQ(status, "ngspice writes its results to \"" + base + ".raw\" and its messages to \"" + base +
                                  ".log\"");
        EXPECT_EQ(Key("SpiceOptions"), c.options) << "the window never writes the options";
        window->CloseWindow();
        ProcessEvents();
        ASSERT_TRUE(std::filesystem::remove(f.IniPath()));
    }
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST_F(FormSpice, AProgramThatCannotBeStartedIsReported)
{
    const std::string notExecutable = f.folder / "ngspice";
    WriteBytes(notExecutable, "plain text");
    for (const std::string& program : {f.folder / "no such/ngspice", notExecutable}) {
        SCOPED_TRACE(program);
        f.dialogs.shown.clear();
        SetKey("SpiceProg", program);
        TFormSpice* window = Open();
        ASSERT_TRUE(window);
        QTest::mouseClick(window->SpeedButton3, Qt::LeftButton);
        ASSERT_EQ(f.dialogs.shown.size(), 1u);
        EXPECT_EQ(f.dialogs.shown[0].text, "Cannot start the SPICE program \"" + program + "\"");
        EXPECT_EQ(Text(window->Status->text()), "");
    }
}

TEST_F(FormSpice, WithoutAProgramRunSpiceOnlySaysWhatIsMissing)
{
    TFormSpice* window = Open();
    ASSERT_TRUE(window);
    window->Memo1->setPlainText("edited");
    QTest::mouseClick(window->SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(Text(window->Status->text()), "Choose the SPICE program with \"...\" first.");
    EXPECT_EQ(ReadBytes(f.folder / "my circuits/rc.cir"), kNetlist) << "nothing saved";
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST_F(FormSpice, AnUnwritableNetlistStartsNothing)
{
    std::string program = Recorder("ngspice");
    SetKey("SpiceProg", program);
    TFormSpice* window = Open();
    ASSERT_TRUE(window);
    std::filesystem::remove_all(f.folder / "my circuits");
    QTest::mouseClick(window->SpeedButton3, Qt::LeftButton);
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].text, "Cannot create file \"" + (f.folder / "my circuits/rc.cir") + "\"");
    ProcessEvents();
    EXPECT_FALSE(std::filesystem::exists(program + ".args"));
}

TEST_F(FormSpice, TheWindowClosesByExitAndWithItsOwner)
{
    std::string missing = f.folder / "none.cir";
    EXPECT_EQ(OpenSpiceWindow(nullptr, missing), nullptr);
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].text, "Cannot open file \"" + missing + "\"");
    EXPECT_TRUE(f.Captions().empty());

    TFormSpice* window = Open();
    ASSERT_TRUE(window);
    QPointer<TFormSpice> exited(window);
    QTest::mouseClick(window->Exit, Qt::LeftButton);
    ProcessEvents();
    EXPECT_TRUE(exited.isNull());

    auto* owner = new QWidget;
    std::string path = f.folder / "my circuits/rc.cir";
    QPointer<TFormSpice> owned(OpenSpiceWindow(owner, path));
    QPointer<TFormSpice> free(OpenSpiceWindow(nullptr, path));
    ASSERT_TRUE(owned && free);
    delete owner;
    ProcessEvents();
    ProcessEvents();
    EXPECT_TRUE(owned.isNull());
    EXPECT_FALSE(free.isNull());
    EXPECT_EQ(f.Captions(), Lines{path});
}

// An RC low-pass drawn in a folder with a blank in its name, exported and
// run by the window through the real ngspice: |H| of its raw file against the
// engine's network function of the same schematic.
TEST_F(FormSpice, RunSpiceWithNgspiceGivesTheEnginesGain)
{
    const std::string ngspice = OnPath("ngspice");
    if (ngspice.empty())
        GTEST_SKIP() << "ngspice is not installed";
    const std::string folder = f.folder / "my circuits/";
    std::filesystem::create_directory(folder);
    RcBoard board;
    board.schematic.FileName = folder + "rc.sch";
    CommandContext context{&board.canvas, f.folder.Folder(), "", ""};
    CommandOutcome netlist = CreateNetlist(board.schematic, context);
    ASSERT_EQ(netlist.Step, CommandOutcome::Next::OpenSpiceWindow) << netlist.Message;
    TFormSpice* window = OpenSpiceWindow(nullptr, netlist.Path);
    ASSERT_TRUE(window);

    f.dialogs.files = {ngspice};
    QTest::mouseClick(window->SpeedButton1, Qt::LeftButton);
    QTest::mouseClick(window->SpeedButton3, Qt::LeftButton);
    EXPECT_NE(Text(window->Status->text()).find(folder + "rc.raw"), std::string::npos);
    std::map<std::string, std::vector<std::complex<double>>> raw;
    ASSERT_TRUE(WaitFor([&] {
        raw = ReadAcRaw(folder + "rc.raw");
        return !raw.empty();
    })) << ReadBytes(folder + "rc.log");

    CommandOutcome analysis = CompleteAnalysis(board.schematic, context);
    ASSERT_EQ(analysis.Step, CommandOutcome::Next::StartProgram) << analysis.Message;
    std::string error;
    ASSERT_TRUE(RunEngineOn(folder + "rc.crc", error)) << error;
    NetworkFunction engine = ReadNetworkFunction(folder + "rc.fdt");

    const std::string out = "v(" + board.Node(3, 0) + ")";
    ASSERT_EQ(raw["frequency"].size(), 301u);
    ASSERT_EQ(raw[out].size(), 301u) << out;
    for (std::size_t k : {0, 100, 150, 200, 300}) {
        double hz = raw["frequency"][k].real();
        double want = std::abs(engine.At({0, 2 * M_PI * hz}));
        EXPECT_NEAR(std::abs(raw[out][k]), want, 1e-9 * want) << hz << " Hz";
    }
    EXPECT_LT(std::abs(raw[out][300]), 0.2) << "the corner at 159 Hz lies inside the sweep";
    EXPECT_TRUE(f.dialogs.shown.empty());
}
