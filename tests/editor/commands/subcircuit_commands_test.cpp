// The subcircuit save of a subcircuit window and "Spice Netlist" in both kinds
// of window; a saved subcircuit placed and analysed against the same circuit
// drawn flat.
#include "editor/commands/AnalysisCommands.h"
#include "editor/commands/NetlistCommand.h"
#include "editor/commands/SubcircuitSave.h"
#include "editor/files/SchematicFile.h"
#include "editor/files/SubcircuitFiles.h"
#include "formats/Paths.h"
#include "tests/editor/CircuitBoard.h"
#include "tests/support/EngineRun.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using Next = CommandOutcome::Next;
using Names = std::vector<std::string>;

// The names in a folder, sorted.
Names EntryNames(const std::string& folder)
{
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A port of a subcircuit: a voltage output marker at a point, facing a side.
void Port(CircuitBoard& board, Pt at, int orientation)
{
    auto port = std::make_unique<GCompo>('v', &board.canvas, false, false, false);
    port->X = at.x;
    port->Y = at.y;
    port->Orientation = orientation;
    port->Draw(true, false);
    board.schematic.Parts.push_back(std::move(port));
}

// A tee from `at` to the right: R1, the middle node, C1 down to ground, R2.
// Returns the far end.
Pt Tee(CircuitBoard& board, Pt at, const std::string& suffix)
{
    GCompo& r1 = board.Place('R', "R1" + suffix, at, 0, 1, 0);
    r1.Value = 1000;
    Pt middle = CircuitBoard::Terminal(r1, 1);
    GCompo& c1 = board.Place('C', "C1" + suffix, middle, 0, 0, 1);
    c1.Value = 1e-6;
    board.Place('g', "", CircuitBoard::Terminal(c1, 1));
    GCompo& r2 = board.Place('R', "R2" + suffix, middle, 0, 1, 0);
    r2.Value = 2200;
    return CircuitBoard::Terminal(r2, 1);
}

class SubcircuitCommands : public ::testing::Test {
protected:
    SubcircuitCommands()
    {
        sub.schematic.IsSubcircuit = true;
        sub.schematic.FileName.clear();
        Pt end = Tee(sub, {100, 100}, "");
        Port(sub, {100, 100}, 2);
        Port(sub, end, 0);
    }
    CommandContext Context(CircuitBoard& board, const std::string& chosen = "") const
    {
        return {&board.canvas, program.Folder(), "/start/here", chosen};
    }
    std::string Subckt() const { return SubcktFolder(program.Folder()); }
    static void ExpectSubcircuitRequest(const CommandOutcome& ask, const std::string& subckt)
    {
        ASSERT_EQ(ask.Step, Next::AskName);
        EXPECT_EQ(ask.NameRequest.title, "Save SubCircuit");
        EXPECT_EQ(ask.NameRequest.initialDir, subckt);
        EXPECT_EQ(ask.NameRequest.filter, "SubCircuit Files|*.xch");
        EXPECT_EQ(ask.NameRequest.defaultExt, "xch");
        EXPECT_EQ(ask.NameRequest.fileName, "");
    }
    // Runs the engine's core on the circuit file of an analysis.
    static NetworkFunction Analyse(const CommandOutcome& outcome)
    {
        EXPECT_EQ(outcome.Step, Next::StartProgram) << outcome.Message;
        std::string path = outcome.Program.Arguments.at(0), message;
        EXPECT_TRUE(RunEngineOn(path, message)) << message;
        return ReadNetworkFunction(ChangeFileExt(path, ".fdt"));
    }

    TempFolder program;  // the running program's folder, without "SubCkt" at first
    TempFolder folder;   // the user's circuits
    CircuitBoard sub;    // the tee as a subcircuit, ports left and right
};

// Both commands of a subcircuit window save the subcircuit.
const std::function<CommandOutcome(Schematic&, const CommandContext&)> kSubcircuitCommands[] = {SaveAsSubcircuit,
                                                                                                 CreateNetlist};

TEST_F(SubcircuitCommands, UnnamedWindowAsksInTheSubcircuitFolderThenWritesAllThree)
{
    for (const auto& command : kSubcircuitCommands) {
        TempFolder here;
        CircuitBoard board;
        board.schematic.IsSubcircuit = true;
        board.schematic.FileName.clear();
        Tee(board, {100, 100}, "");
        Port(board, {100, 100}, 2);
        const std::string subckt = SubcktFolder(here.Folder());
        CommandContext context{&board.canvas, here.Folder(), "/start/here", ""};
        ExpectSubcircuitRequest(command(board.schematic, context), subckt);
        EXPECT_EQ(here.Names(), Names{"SubCkt"}) << "the folder to start in exists";
        EXPECT_FALSE(std::filesystem::exists(".sp")) << "no text for an unnamed window";

        context.ChosenName = subckt + "tee.xch";
        EXPECT_EQ(command(board.schematic, context).Step, Next::Nothing);
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(subckt))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (Names{"tee.sbc", "tee.sp", "tee.xch"}));
        EXPECT_EQ(board.schematic.FileName, subckt + "tee.xch");
        EXPECT_EQ(ReadBytes(subckt + "tee.sp").substr(0, 15), ".SUBCKT tee 1\r\n");
    }
}

TEST_F(SubcircuitCommands, NamedWindowWritesItsSchematicAndMakesTheFolder)
{
    for (const auto& command : kSubcircuitCommands) {
        TempFolder elsewhere, programHere;
        sub.schematic.FileName = elsewhere / "tee.xch";
        sub.schematic.Modified = true;
        CommandContext context{&sub.canvas, programHere.Folder(), "", ""};
        EXPECT_EQ(command(sub.schematic, context).Step, Next::Nothing);
        EXPECT_EQ(elsewhere.Names(), (Names{"tee.sp", "tee.xch"}));
        EXPECT_FALSE(sub.schematic.Modified);
        const std::string m = std::to_string(sub.schematic.Parts[1]->Node[0]);  // the middle node
        EXPECT_EQ(ReadBytes(SubcktFolder(programHere.Folder()) + "tee.sbc"),
                  "4 4 L2 R2 \r\nR1 1 " + m + " 1000 0\r\nC1 " + m + " 0 1e-06 0\r\nR2 " + m + " 2 2200 0\r\n");
        EXPECT_EQ(ReadBytes(elsewhere / "tee.sp"), ".SUBCKT tee 1 2\r\nR1 1 " + m + " 1000\r\nC1 " + m +
                                                       " 0 1e-06\r\nR2 " + m + " 2 2200\r\n.ENDS\r\n");
        Schematic back;
        std::string error;
        ASSERT_TRUE(LoadSchema(back, elsewhere / "tee.xch", nullptr, "", error)) << error;
        EXPECT_EQ(back.Parts.size(), sub.schematic.Parts.size());
    }
}

TEST_F(SubcircuitCommands, RefusalsKeepTheDrawingButWriteNoSubcircuit)
{
    struct Case {
        const char* what;
        std::function<void(CircuitBoard&)> change;
        const char* message;
    };
    const Case cases[] = {
        {"a current output", [](CircuitBoard& b) { b.Place('i', "", {500, 500}); },
         "No current outputs in subcircuits!"},
        {"a voltage source", [](CircuitBoard& b) { b.Place('V', "V1", {500, 500}); },
         "No independent sources in subcircuits!"},
        {"a name its dialog would refuse", [](CircuitBoard& b) { b.schematic.Parts[0]->Name = "R 1"; },
         "Component \"R 1\": The name of this component must not contain blanks, control characters or # !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder here;
        CircuitBoard board;
        board.schematic.IsSubcircuit = true;
        board.schematic.FileName = here / "tee.xch";
        Tee(board, {100, 100}, "");
        c.change(board);
        CommandOutcome outcome = SaveAsSubcircuit(board.schematic, Context(board));
        EXPECT_EQ(outcome.Step, Next::ShowMessage);
        EXPECT_EQ(outcome.Message, c.message);
        EXPECT_EQ(here.Names(), Names{"tee.xch"});
        EXPECT_FALSE(std::filesystem::exists(Subckt() + "tee.sbc"));
    }
}

// A name that Save SubCircuit would refuse is refused before the subcircuit
// schematic is written under it: the window keeps its name and no file of
// that name appears.
TEST_F(SubcircuitCommands, ChosenNameThatASubcircuitCannotHaveIsRefusedFirst)
{
    for (const auto& command : kSubcircuitCommands) {
        for (const std::string name : {"filt#2", "my filt", "a\x01z"}) {
            for (const std::string before : {"", "tee.xch"}) {
                SCOPED_TRACE(name + " after " + before);
                TempFolder here;
                CircuitBoard board;
                board.schematic.IsSubcircuit = true;
                board.schematic.FileName = before.empty() ? "" : SubcktFolder(here.Folder()) + before;
                Tee(board, {100, 100}, "");
                Port(board, {100, 100}, 2);
                CommandContext context{&board.canvas, here.Folder(), "", SubcktFolder(here.Folder()) + name + ".xch"};
                CommandOutcome outcome = command(board.schematic, context);
                EXPECT_EQ(outcome.Step, Next::ShowMessage);
                EXPECT_EQ(outcome.Message,
                          "The name of this subcircuit must not contain blanks, control characters or # !");
                EXPECT_EQ(board.schematic.FileName, before.empty() ? "" : SubcktFolder(here.Folder()) + before);
                EXPECT_TRUE(here.Names().empty()) << "no folder, no file";
            }
        }
    }
}

TEST_F(SubcircuitCommands, FolderThatCannotBeMadeIsReported)
{
    WriteBytes(program / "SubCkt", "a file in the way");
    sub.schematic.FileName = folder / "tee.xch";
    CommandOutcome outcome = SaveAsSubcircuit(sub.schematic, Context(sub));
    EXPECT_EQ(outcome.Step, Next::ShowMessage);
    EXPECT_EQ(outcome.Message, "Cannot create folder \"" + Subckt() + "\"");
    EXPECT_TRUE(folder.Names().empty());
}

// V1, Rs = 50, two tees in a chain, RL = 10 k; the output on RL.
void Chain(CircuitBoard& board, const std::function<Pt(Pt, const std::string&)>& tee)
{
    GCompo& v1 = board.Place('V', "V1", {100, 100});
    board.Place('g', "", CircuitBoard::Terminal(v1, 1));
    GCompo& rs = board.Place('R', "Rs", CircuitBoard::Terminal(v1, 0), 0, 1, 0);
    rs.Value = 50;
    Pt end = tee(tee(CircuitBoard::Terminal(rs, 1), "a"), "b");
    GCompo& rl = board.Place('R', "RL", end, 0, 0, 1);
    rl.Value = 10000;
    board.Place('g', "", CircuitBoard::Terminal(rl, 1));
    board.Place('v', "", end);
}

TEST_F(SubcircuitCommands, SavedSubcircuitPlacedTwiceAnalysesAsTheFlatCircuit)
{
    CommandOutcome ask = SaveAsSubcircuit(sub.schematic, Context(sub));
    ExpectSubcircuitRequest(ask, Subckt());
    ASSERT_EQ(SaveAsSubcircuit(sub.schematic, Context(sub, Subckt() + "tee.xch")).Step, Next::Nothing);

    CircuitBoard placed;
    placed.schematic.FileName = folder / "placed.sch";
    Chain(placed, [&](Pt at, const std::string& suffix) {
        GCompo& x = placed.PlaceInstance("tee", Subckt(), "X" + suffix, at);
        return CircuitBoard::Terminal(x, 1);
    });
    CircuitBoard flat;
    flat.schematic.FileName = folder / "flat.sch";
    Chain(flat, [&](Pt at, const std::string& suffix) { return Tee(flat, at, suffix); });

    NetworkFunction withInstances = Analyse(CompleteAnalysis(placed.schematic, Context(placed)));
    NetworkFunction drawnFlat = Analyse(CompleteAnalysis(flat.schematic, Context(flat)));
    EXPECT_EQ(withInstances.par.names.size(), drawnFlat.par.names.size());
    for (double w : {10.0, 300.0, 1e4, 1e6}) {
        std::complex<double> s(0, w), want = drawnFlat.At(s);
        EXPECT_LE(std::abs(withInstances.At(s) - want), 1e-9 * std::abs(want)) << "w=" << w;
    }
    EXPECT_GT(std::abs(drawnFlat.At({0, 10.0})), 0.5);
    EXPECT_LT(std::abs(drawnFlat.At({0, 1e6})), 1e-3);
}

// Names of 250 bytes, near the file system's limit: the subcircuit, a
// schematic that places it, its circuit file and its netlist are all written
// and analysed. A schematic whose circuit file's name would be too long is
// told so, and nothing is written.
TEST_F(SubcircuitCommands, NamesNearTheLimitAreSavedAnalysedAndExported)
{
    const std::string tee(246, 't'), top(246, 's');
    ASSERT_EQ(SaveAsSubcircuit(sub.schematic, Context(sub, Subckt() + tee + ".xch")).Step, Next::Nothing);
    EXPECT_EQ(EntryNames(Subckt()), (Names{tee + ".sbc", tee + ".sp", tee + ".xch"}));

    CircuitBoard placed;
    placed.schematic.FileName.clear();
    Chain(placed, [&](Pt at, const std::string& suffix) {
        return CircuitBoard::Terminal(placed.PlaceInstance(tee, Subckt(), "X" + suffix, at), 1);
    });
    NetworkFunction f = Analyse(CompleteAnalysis(placed.schematic, Context(placed, folder / (top + ".sch"))));
    EXPECT_EQ(placed.schematic.FileName, folder / (top + ".sch"));
    CircuitBoard flat;
    flat.schematic.FileName = folder / "flat.sch";
    Chain(flat, [&](Pt at, const std::string& suffix) { return Tee(flat, at, suffix); });
    NetworkFunction drawnFlat = Analyse(CompleteAnalysis(flat.schematic, Context(flat)));
    const std::complex<double> s(0, 300.0);
    EXPECT_LE(std::abs(f.At(s) - drawnFlat.At(s)), 1e-9 * std::abs(drawnFlat.At(s)));
    EXPECT_EQ(CreateNetlist(placed.schematic, Context(placed)).Step, Next::OpenSpiceWindow);
    for (const std::string& name : folder.Names())
        if (name.starts_with("flat."))
            std::filesystem::remove(folder / name);
    EXPECT_EQ(folder.Names(), (Names{top + ".cir", top + ".crc", top + ".fdt", top + ".par", top + ".sch"}));

    for (const std::string& name : folder.Names())
        std::filesystem::remove(folder / name);
    placed.schematic.FileName = folder / std::string(254, 's');
    const std::string circuitFile = folder / (std::string(254, 's') + ".crc");
    CommandOutcome refused = CompleteAnalysis(placed.schematic, Context(placed));
    EXPECT_EQ(refused.Step, Next::ShowMessage);
    EXPECT_EQ(refused.Message,
              "Cannot create file \"" + circuitFile + "\"\r\nIts name is too long for the file system!");
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(SubcircuitCommands, NormalWindowNetlistOpensTheSpiceWindowOrReportsNoGround)
{
    CircuitBoard board;
    board.schematic.FileName.clear();
    Chain(board, [&](Pt at, const std::string& suffix) { return Tee(board, at, suffix); });
    CommandOutcome ask = CreateNetlist(board.schematic, Context(board));
    ASSERT_EQ(ask.Step, Next::AskName);
    EXPECT_EQ(ask.NameRequest.title, "Save");
    EXPECT_EQ(ask.NameRequest.defaultExt, "sch");

    CommandOutcome open = CreateNetlist(board.schematic, Context(board, folder / "chain.sch"));
    EXPECT_EQ(open.Step, Next::OpenSpiceWindow);
    EXPECT_EQ(open.Path, folder / "chain.cir");
    EXPECT_EQ(folder.Names(), (Names{"chain.cir", "chain.sch"}));

    auto& parts = board.schematic.Parts;
    parts.erase(std::remove_if(parts.begin(), parts.end(), [](const auto& p) { return p->Kind == 'g'; }),
                parts.end());
    CommandOutcome noGround = CreateNetlist(board.schematic, Context(board));
    EXPECT_EQ(noGround.Step, Next::ShowMessage);
    EXPECT_EQ(noGround.Message, "Ground node missing!");
    EXPECT_EQ(ReadBytes(folder / "chain.cir").find(" 0 "), std::string::npos) << "written all the same";
}

}  // namespace
