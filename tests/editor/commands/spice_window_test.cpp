// The SPICE window's model: the memo and its analysis line, the settings,
// Save As and Run Spice; a netlist exported and run through ngspice against
// the engine's network function of the same schematic.
#include "editor/commands/AnalysisCommands.h"
#include "editor/commands/NetlistCommand.h"
#include "editor/commands/SpiceWindowModel.h"
#include "editor/spice/SpiceRun.h"
#include "formats/Paths.h"
#include "tests/editor/Boards.h"
#include "tests/support/EngineRun.h"
#include "tests/support/NgspiceRaw.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <fcntl.h>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Next = CommandOutcome::Next;
using Lines = std::vector<std::string>;

class MapSettings : public SpiceSettings {
public:
    std::optional<std::string> Read(const std::string& key) const override
    {
        auto at = values.find(key);
        return at == values.end() ? std::nullopt : std::optional<std::string>(at->second);
    }
    void Write(const std::string& key, const std::string& value) override { values[key] = value; }
    std::map<std::string, std::string> values;
};

const char* const kNetlist = "title\r\nR1 1 0 1000\r\n.AC DEC 100 1 1000\r\n.PROBE\r\n.END\r\n";

class SpiceWindow : public ::testing::Test {
protected:
    void Load(const std::string& name = "rc.cir")
    {
        WriteBytes(folder / name, kNetlist);
        std::string error;
        ASSERT_TRUE(model.LoadNetlist(folder / name, error)) << error;
    }

    TempFolder folder;
    MapSettings settings;
    SpiceWindowModel model{settings};
};

TEST_F(SpiceWindow, LoadTakesTheSettingsAndReplacesTheAnalysisLine)
{
    Load();
    EXPECT_EQ(model.NetlistPath(), folder / "rc.cir");
    EXPECT_EQ(model.Program(), "");
    EXPECT_EQ(model.Analysis(), ".AC DEC 100 1 1000");
    EXPECT_EQ(model.MemoText(), "title\nR1 1 0 1000\n.AC DEC 100 1 1000\n.PROBE\n.END");
    EXPECT_TRUE(settings.values.empty()) << "loading writes nothing";

    settings.values = {{"SpiceProg", "/opt/sim"}, {"DefSym", ".TRAN 1n 1u"}};
    Load();
    EXPECT_EQ(model.Program(), "/opt/sim");
    EXPECT_EQ(model.MemoText(), "title\nR1 1 0 1000\n.TRAN 1n 1u\n.PROBE\n.END");

    std::string error;
    EXPECT_FALSE(model.LoadNetlist(folder / "gone.cir", error));
    EXPECT_EQ(error, "Cannot open file \"" + (folder / "gone.cir") + "\"");
}

TEST_F(SpiceWindow, OkRemembersTheLineAndPutsItIntoTheEditedMemo)
{
    Load();
    model.ApplyAnalysis(".NOISE V(1) V1 DEC 10 1 1k",
                        "* edited\ntitle\nR1 1 0 1000\n.AC DEC 100 1 1000\n.PROBE\n.END\n");
    EXPECT_EQ(settings.values["DefSym"], ".NOISE V(1) V1 DEC 10 1 1k");
    EXPECT_EQ(model.Analysis(), ".NOISE V(1) V1 DEC 10 1 1k");
    EXPECT_EQ(model.MemoText(), "* edited\ntitle\nR1 1 0 1000\n.NOISE V(1) V1 DEC 10 1 1k\n.PROBE\n.END");
    model.ApplyAnalysis(".OP", ".PROBE\n.END");
    EXPECT_EQ(model.MemoText(), ".PROBE\n.END") << "no analysis line in a memo of two lines";
}

TEST_F(SpiceWindow, ProgramChosenIsRemembered)
{
    Load();
    model.ChooseProgram("/usr/local/bin/ngspice");
    EXPECT_EQ(model.Program(), "/usr/local/bin/ngspice");
    EXPECT_EQ(settings.values["SpiceProg"], "/usr/local/bin/ngspice");
    FileRequest request = model.ProgramRequest();
    EXPECT_EQ(request.initialDir, "/usr/local/bin/");
    EXPECT_EQ(request.fileName, "ngspice");
    EXPECT_EQ(request.defaultExt, "");
}

TEST_F(SpiceWindow, SaveAsMovesTheWindowToTheNewFile)
{
    Load();
    FileRequest request = model.SaveAsRequest();
    EXPECT_EQ(request.initialDir, folder.Folder());
    EXPECT_EQ(request.fileName, "rc.cir");
    EXPECT_EQ(request.filter, "Spice Files|*.cir");
    EXPECT_EQ(request.defaultExt, "cir");

    std::string error;
    EXPECT_FALSE(model.SaveAs(folder / "none/x.cir", "a\nb", error));
    EXPECT_EQ(error, "Cannot create file \"" + (folder / "none/x.cir") + "\"");
    EXPECT_EQ(model.NetlistPath(), folder / "rc.cir");

    ASSERT_TRUE(model.SaveAs(folder / "copy 2.cir", "a\nb\n", error)) << error;
    EXPECT_EQ(model.NetlistPath(), folder / "copy 2.cir");
    EXPECT_EQ(ReadBytes(folder / "copy 2.cir"), "a\r\nb\r\n");
    model.ChooseProgram("/opt/sim");
    CommandOutcome run = model.RunSpice("c\n");
    EXPECT_EQ(run.Program.Arguments.at(0), folder / "copy 2.cir");
    EXPECT_EQ(ReadBytes(folder / "copy 2.cir"), "c\r\n");
    EXPECT_EQ(ReadBytes(folder / "rc.cir"), kNetlist) << "the first file stays as it was";
}

TEST_F(SpiceWindow, RunSpiceSavesTheMemoAndStartsTheSimulator)
{
    struct Case {
        const char* program;
        std::optional<std::string> options;
        Lines options_after_netlist;  // the arguments after the netlist path
    };
    const std::string base = folder / "my rc";
    const Case cases[] = {
        {"/usr/bin/ngspice", std::nullopt, {"-b", "-o", base + ".log", "-r", base + ".raw"}},
        {"/opt/NGSpice_con.EXE", std::nullopt, {"-b", "-o", base + ".log", "-r", base + ".raw"}},
        {"/opt/spice3/bin/spice3", std::nullopt, {"-r"}},
        {"/usr/bin/ngspice", "", {}},
        {"/usr/bin/ngspice", " -b  -r out.raw ", {"-b", "-r", "out.raw"}},
        {"/opt/ngspice/bin/spice3", "-r", {"-r"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.program) + " " + c.options.value_or("(absent)"));
        settings.values = {{"SpiceProg", c.program}};
        if (c.options)
            settings.values["SpiceOptions"] = *c.options;
        Load("my rc.cir");
        CommandOutcome run = model.RunSpice("edited\n.END");
        ASSERT_EQ(run.Step, Next::StartProgram);
        EXPECT_EQ(run.Program.Program, c.program);
        Lines expected{folder / "my rc.cir"};
        expected.insert(expected.end(), c.options_after_netlist.begin(), c.options_after_netlist.end());
        EXPECT_EQ(run.Program.Arguments, expected);
        EXPECT_EQ(ReadBytes(folder / "my rc.cir"), "edited\r\n.END\r\n");
        if (!c.options && IsNgspice(c.program))
            EXPECT_EQ(run.Status, "ngspice writes its results to \"" + base + ".raw\" and its messages to \"" + base +
                                      ".log\"");
        else
            EXPECT_EQ(run.Status, "Started \"" + std::string(c.program) + "\" on \"" + base + ".cir\"");
    }
}

TEST_F(SpiceWindow, RunSpiceWithoutProgramOrWritableFileStartsNothing)
{
    Load();
    EXPECT_EQ(model.RunSpice("changed").Step, Next::Nothing);
    EXPECT_EQ(ReadBytes(folder / "rc.cir"), kNetlist) << "not even saved";

    settings.values = {{"SpiceProg", "/usr/bin/ngspice"}};
    Load();
    std::filesystem::remove_all(folder.Path());
    CommandOutcome run = model.RunSpice("changed");
    EXPECT_EQ(run.Step, Next::ShowMessage);
    EXPECT_EQ(run.Message, "Cannot create file \"" + (folder / "rc.cir") + "\"");
}

TEST(SpiceRun, NgspiceOutputNeverReplacesTheNetlist)
{
    SpiceStart start = SpiceStartFor("ngspice", "/c/deck.raw", std::nullopt);
    EXPECT_EQ(start.Command.Arguments, (Lines{"/c/deck.raw", "-b", "-o", "/c/deck.log", "-r", "/c/deck.raw.raw"}));
    EXPECT_FALSE(IsNgspice(""));
    EXPECT_FALSE(IsNgspice("/opt/ngspice/bin/spice"));
    EXPECT_TRUE(IsNgspice("ngspice"));
}

// ---- with ngspice ------------------------------------------------------

// Runs the command as the platform starts it (each argument whole), waits and
// returns the exit status.
int RunAndWait(const ProgramCommand& command)
{
    std::vector<char*> argv{const_cast<char*>(command.Program.c_str())};
    for (const std::string& argument : command.Arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = ::fork();
    if (child == 0) {
        int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, 0);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// An RC low-pass drawn in a folder with a blank in its name: exported, loaded
// into the window, run by Run Spice's own command through ngspice; |H| of the
// raw file against the engine's network function of the same schematic.
TEST(SpiceWindowWithNgspice, RunSpiceGivesTheEnginesGain)
{
    const std::string ngspice = OnPath("ngspice");
    if (ngspice.empty())
        GTEST_SKIP() << "ngspice is not installed";
    TempFolder program, top;
    const std::string folder = top / "my circuits/";
    std::filesystem::create_directory(folder);
    RcBoard board;
    board.schematic.FileName = folder + "rc.sch";
    CommandContext context{&board.canvas, program.Folder(), "", ""};

    CommandOutcome open = CreateNetlist(board.schematic, context);
    ASSERT_EQ(open.Step, Next::OpenSpiceWindow) << open.Message;
    MapSettings settings;
    SpiceWindowModel model(settings);
    std::string error;
    ASSERT_TRUE(model.LoadNetlist(open.Path, error)) << error;
    model.ChooseProgram(ngspice);
    CommandOutcome run = model.RunSpice(model.MemoText());
    ASSERT_EQ(run.Step, Next::StartProgram);
    ASSERT_EQ(RunAndWait(run.Program), 0);
    EXPECT_NE(run.Status.find(folder + "rc.raw"), std::string::npos);
    EXPECT_NE(ReadBytes(folder + "rc.log").find("raw file \"" + folder + "rc.raw\""), std::string::npos)
        << ReadBytes(folder + "rc.log");
    auto raw = ReadAcRaw(folder + "rc.raw");

    CommandOutcome analysis = CompleteAnalysis(board.schematic, context);
    ASSERT_EQ(analysis.Step, Next::StartProgram) << analysis.Message;
    ASSERT_TRUE(RunEngineOn(folder + "rc.crc", error)) << error;
    NetworkFunction engine = ReadNetworkFunction(folder + "rc.fdt");

    const std::string out = "v(" + std::to_string(board.schematic.Parts[3]->Node[0]) + ")";
    ASSERT_EQ(raw["frequency"].size(), 301u) << ReadBytes(folder + "rc.log");
    ASSERT_EQ(raw[out].size(), 301u) << out;
    for (std::size_t k : {0, 100, 200, 250, 300}) {
        double hz = raw["frequency"][k].real();
        double want = std::abs(engine.At({0, 2 * M_PI * hz}));
        EXPECT_NEAR(std::abs(raw[out][k]), want, 1e-9 * want) << hz << " Hz";
    }
    EXPECT_LT(std::abs(raw[out][300]), 0.2) << "the corner at 159 Hz lies inside the sweep";
}

}  // namespace
