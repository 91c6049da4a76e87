// "Complete Analysis" and "Approximate Analysis" as the schematic window runs
// them: naming first, the checks, the circuit file beside the schematic and
// the engine's command; the engine's core analyses what was written.
#include "editor/analysis/ApproxLine.h"
#include "editor/analysis/EngineCommand.h"
#include "editor/commands/AnalysisCommands.h"
#include "editor/commands/NetlistCommand.h"
#include "editor/files/SubcircuitFiles.h"
#include "formats/Paths.h"
#include "platform/StartProgram.h"
#include "tests/editor/Boards.h"
#include "tests/support/EngineRun.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using Next = CommandOutcome::Next;
using Names = std::vector<std::string>;

class AnalysisCommands : public ::testing::Test {
protected:
    CommandContext Context(CircuitBoard& board, const std::string& chosen = "") const
    {
        return {&board.canvas, program.Folder(), "/start/here", chosen};
    }
    // Runs the engine's core on the circuit file the outcome starts it on.
    NetworkFunction Analyse(const CommandOutcome& outcome)
    {
        EXPECT_EQ(outcome.Step, Next::StartProgram) << outcome.Message;
        EXPECT_EQ(outcome.Program.Program, program / "Vimlo");
        EXPECT_EQ(outcome.Program.Arguments.size(), 1u);
        const std::string path = outcome.Program.Arguments.at(0);
        written = ReadBytes(path);
        std::string message;
        EXPECT_TRUE(RunEngineOn(path, message)) << message;
        return ReadNetworkFunction(ChangeFileExt(path, ".fdt"));
    }

    TempFolder program;  // the running program's folder
    TempFolder folder;   // the user's circuits
    std::string written;
};

TEST_F(AnalysisCommands, UnnamedSchematicIsNamedFirst)
{
    for (bool approximate : {false, true}) {
        SCOPED_TRACE(approximate ? "approximate" : "complete");
        RcBoard board;
        board.schematic.FileName.clear();
        auto run = [&](const std::string& chosen) {
            return approximate ? ApproximateAnalysis(board.schematic, ".APP 5 2 1 10 ", Context(board, chosen))
                               : CompleteAnalysis(board.schematic, Context(board, chosen));
        };
        CommandOutcome ask = run("");
        ASSERT_EQ(ask.Step, Next::AskName);
        EXPECT_EQ(ask.NameRequest.title, "Save");
        EXPECT_EQ(ask.NameRequest.initialDir, "/start/here");
        EXPECT_EQ(ask.NameRequest.filter, "Files *.sch|*.sch|Files *.fdt|*.fdt");
        EXPECT_EQ(ask.NameRequest.defaultExt, "sch");
        EXPECT_EQ(ask.NameRequest.fileName, "");
        EXPECT_TRUE(board.schematic.AppLine.empty()) << "nothing pending while the name is asked";
        TempFolder where;
        EXPECT_TRUE(where.Names().empty());

        const std::string chosen = where / (approximate ? "my amp.sch" : "rc.sch");
        NetworkFunction f = Analyse(run(chosen));
        EXPECT_EQ(board.schematic.FileName, chosen);
        EXPECT_EQ(written.substr(0, chosen.size() + 2), chosen + "\r\n") << "the title is the schematic";
        EXPECT_EQ(written.find(".APP") != std::string::npos, approximate);
        EXPECT_TRUE(std::filesystem::exists(ChangeFileExt(chosen, ".crc")));
        EXPECT_FALSE(ReadBytes(chosen).empty()) << "the schematic is saved under the chosen name";
        if (!approximate) {
            std::complex<double> s(0, 1000.0);
            EXPECT_NEAR(std::abs(f.At(s) - 1.0 / (1.0 + s * 1e-3)), 0, 1e-12);
        }
    }
}

TEST_F(AnalysisCommands, ChosenNameThatCannotBeSavedIsReported)
{
    RcBoard board;
    board.schematic.FileName.clear();
    CommandOutcome outcome = CompleteAnalysis(board.schematic, Context(board, folder / "none/rc.sch"));
    EXPECT_EQ(outcome.Step, Next::ShowMessage);
    EXPECT_NE(outcome.Message.find("none/rc.sch"), std::string::npos) << outcome.Message;
    EXPECT_TRUE(folder.Names().empty());
}

class AnalysisChecks : public AnalysisCommands, public ::testing::WithParamInterface<CheckCase> {};

// Every check of the circuit file reaches the window as its message, from
// both commands, with nothing written and the pending line gone.
TEST_P(AnalysisChecks, MessageAndNothingWritten)
{
    for (bool approximate : {false, true}) {
        SCOPED_TRACE(approximate ? "approximate" : "complete");
        CircuitBoard board;
        DrawCheckCase(board, GetParam());
        board.schematic.FileName = folder / "c.sch";
        CommandOutcome outcome = approximate
                                     ? ApproximateAnalysis(board.schematic, ".APP 5 2 1 10 ", Context(board))
                                     : CompleteAnalysis(board.schematic, Context(board));
        EXPECT_EQ(outcome.Step, Next::ShowMessage);
        EXPECT_EQ(outcome.Message, GetParam().message);
        EXPECT_TRUE(folder.Names().empty());
        EXPECT_TRUE(board.schematic.AppLine.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCheck, AnalysisChecks, ::testing::ValuesIn(kChecks), CheckName);

TEST_F(AnalysisCommands, ApproximationLineServesOneRunEvenAFailedOne)
{
    RcBoard board({true, true, ""});
    board.schematic.FileName = folder / "rc.sch";
    EXPECT_EQ(ApproximateAnalysis(board.schematic, ".APP 5 2 1 10 ", Context(board)).Message,
              "Output node missing!");
    board.Place('v', "", CircuitBoard::Terminal(*board.schematic.Parts[3], 0));
    Analyse(CompleteAnalysis(board.schematic, Context(board)));
    EXPECT_EQ(written.find(".APP"), std::string::npos);
}

TEST_F(AnalysisCommands, ApproximateAnalysisKeepsFewerTerms)
{
    LadderBoard board;
    board.schematic.FileName = folder / "ladder.sch";
    NetworkFunction exact = Analyse(CompleteAnalysis(board.schematic, Context(board)));
    std::string line, message;
    ASSERT_TRUE(ApproxLine({"10", "100000", "5", "99.9999"}, line, message)) << message;
    NetworkFunction approximated = Analyse(ApproximateAnalysis(board.schematic, line, Context(board)));
    std::string second = written.substr(written.find("\r\n") + 2);
    EXPECT_EQ(second.substr(0, line.size() + 2), line + "\r\n") << "the second line of the circuit file";
    EXPECT_LE(approximated.numerator.size(), exact.numerator.size());
    EXPECT_LT(approximated.denominator.size(), exact.denominator.size());
    Analyse(CompleteAnalysis(board.schematic, Context(board)));
    EXPECT_EQ(written.find(".APP"), std::string::npos) << "the next analysis is complete again";
}

// An instance keeps the terminals it was placed with; its subcircuit saved
// again with fewer ports stops the analysis and the netlist export (a port
// more is an internal node of the instance).
TEST_F(AnalysisCommands, InstanceThatNoLongerFitsItsSubcircuitIsReported)
{
    const std::string subckt = SubcktFolder(program.Folder());
    std::filesystem::create_directory(subckt);
    struct Case {
        const char* what;
        const char* sbc;  // the subcircuit file at the time of the command; none when empty
        std::string message;  // none: the command goes on
    };
    const Case cases[] = {
        {"a port more", "4 6 L1 L3 R3 \r\nR1 1 2 100 0\r\n", ""},
        {"a port less", "4 4 L2 \r\nR1 1 0 100 0\r\n",
         "X7 no longer fits SubCircuit lp (2 terminals placed, 1 now)! Place it again."},
        {"no file", "", "Error: SubCircuit lp Undefined!"},
    };
    using Command = std::function<CommandOutcome(Schematic&, const CommandContext&)>;
    const Command commands[] = {
        [](Schematic& s, const CommandContext& c) { return ApproximateAnalysis(s, ".APP 5 2 1 10 ", c); },
        CompleteAnalysis, CreateNetlist};
    for (const Case& c : cases) {
        for (const Command& command : commands) {
            SCOPED_TRACE(c.what);
            WriteBytes(subckt + "lp.sbc", "4 4 L2 R2 \r\nR1 1 2 100 0\r\n");
            WriteBytes(subckt + "lp.sp", ".SUBCKT lp 1 2\r\nR1 1 2 100\r\n.ENDS\r\n");
            RcBoard board;
            board.schematic.FileName = folder / "rc.sch";
            board.PlaceInstance("lp", subckt, "X7", {400, 400});
            std::filesystem::remove(subckt + "lp.sbc");
            if (*c.sbc)
                WriteBytes(subckt + "lp.sbc", c.sbc);
            CommandOutcome outcome = command(board.schematic, Context(board));
            EXPECT_EQ(outcome.Message, c.message);
            EXPECT_EQ(outcome.Step == Next::ShowMessage, !c.message.empty());
            EXPECT_EQ(folder.Names().empty(), !c.message.empty());
            EXPECT_TRUE(board.schematic.AppLine.empty());
            for (const std::string& name : folder.Names())
                std::filesystem::remove(folder / name);
        }
    }
}

// Two instances placed while their subcircuit had two ports, which has a third
// since: each instance keeps its two terminals, and port 3 becomes a node of
// each instance alone, as the hand formula of the chain has it.
TEST_F(AnalysisCommands, PortsGainedSinceAnInstanceWasPlacedAreItsOwnNodes)
{
    const std::string subckt = SubcktFolder(program.Folder());
    std::filesystem::create_directory(subckt);
    GrownTeeBoard board(subckt);
    board.schematic.FileName = folder / "tee.sch";
    NetworkFunction f = Analyse(CompleteAnalysis(board.schematic, Context(board)));
    const GCompo& x1 = *board.schematic.Parts[0];
    const GCompo& x2 = *board.schematic.Parts[1];
    ASSERT_EQ(x1.TermCount, 2);
    const std::string a = std::to_string(x1.Node[0]), b = std::to_string(x1.Node[1]),
                      c = std::to_string(x2.Node[1]);
    EXPECT_EQ(std::to_string(x2.Node[0]), b);
    const Names lines = {"R1_X1  " + a + " _1 1000 1", "R2_X1  _1 " + b + " 2000 1", "C1_X1  _1 0 1e-6 1",
                         "R1_X2  " + b + " _2 1000 1", "R2_X2  _2 " + c + " 2000 1", "C1_X2  _2 0 1e-6 1"};
    for (const std::string& line : lines)
        EXPECT_NE(written.find("\r\n" + line + "\r\n"), std::string::npos) << line << "\n" << written;
    for (double w : {10.0, 300.0, 1000.0, 30000.0}) {
        const std::complex<double> s(0, w);
        EXPECT_NEAR(std::abs(f.At(s) - GrownTeeBoard::Gain(s)), 0, 1e-12 * std::abs(GrownTeeBoard::Gain(s))) << w;
    }
}

// A damaged file may hold parts that their dialogs would refuse. A blank in a
// name would shift the fields of its circuit-file line ("R 9 2 3 1 1" reads as
// R between nodes 9 and 2), a name of another kind makes the engine take the
// part for that kind: the commands name the part and write nothing.
TEST_F(AnalysisCommands, PartsThatTheirDialogsWouldRefuseAreNotWritten)
{
    struct Case {
        const char* what;
        std::size_t part;  // of RcBoard: 0 V1, 2 R1, 3 C1
        std::function<void(GCompo&)> damage;
        std::string message;  // empty: written
    };
    const std::string badName = "The name of this component must not contain blanks, control characters or # !";
    const Case cases[] = {
        {"a blank in a name", 2, [](GCompo& p) { p.Name = "R 9"; }, "Component \"R 9\": " + badName},
        {"a control byte in a name", 2, [](GCompo& p) { p.Name = "R\x01"; }, "Component \"R\x01\": " + badName},
        {"the name of another kind", 2, [](GCompo& p) { p.Name = "C5"; },
         "Component \"C5\": The first letter of this component must be: R !"},
        {"no name", 0, [](GCompo& p) { p.Name.clear(); },
         "A component V without a name: The first letter of this component must be: V !"},
        {"a zero value", 3, [](GCompo& p) { p.Value = 0; }, "Component \"C1\": Zero values are not allowed!"},
        {"no number", 3, [](GCompo& p) { p.Value = std::nan(""); }, "Component \"C1\": Values must be numbers!"},
        {"a lower-case name of its kind", 2, [](GCompo& p) { p.Name = "r1"; }, ""},
    };
    using Command = std::function<CommandOutcome(Schematic&, const CommandContext&)>;
    for (const Case& c : cases) {
        for (const Command& command : {Command(CompleteAnalysis), Command(CreateNetlist)}) {
            SCOPED_TRACE(c.what);
            TempFolder circuits;
            RcBoard board;
            board.schematic.FileName = circuits / "rc.sch";
            c.damage(*board.schematic.Parts.at(c.part));
            CommandOutcome outcome = command(board.schematic, Context(board));
            if (c.message.empty()) {
                EXPECT_NE(outcome.Step, Next::ShowMessage) << outcome.Message;
                EXPECT_FALSE(circuits.Names().empty());
                continue;
            }
            EXPECT_EQ(outcome.Step, Next::ShowMessage);
            EXPECT_EQ(outcome.Message, c.message);
            EXPECT_TRUE(circuits.Names().empty());
        }
    }
}

TEST(ProgramStart, FailureNamesTheProgram)
{
    TempFolder empty;
    ProgramCommand engine = EngineCommand(empty.Folder(), "/circuits/my amp.crc");
    EXPECT_FALSE(StartProgram(engine.Program, engine.Arguments));
    EXPECT_EQ(StartFailureText(engine), "Cannot start the analysis program \"" + (empty / "Vimlo") + "\"");
}

}  // namespace
