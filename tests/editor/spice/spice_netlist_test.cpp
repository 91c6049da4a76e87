#include "editor/files/SubcircuitFiles.h"
#include "editor/spice/SpiceNetlist.h"
#include "editor/spice/SpiceRun.h"
#include "formats/TextFile.h"
#include "tests/editor/Boards.h"
#include "tests/editor/NetlistSupport.h"
#include "tests/editor/RecordingCanvas.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines ElementLines(const Schematic& s)
{
    Lines lines, used;
    std::string error;
    EXPECT_TRUE(SpiceElementLines(s, "no such folder/", lines, used, error)) << error;
    return lines;
}

TEST(SpiceLines, ExamplesOfEachKind)
{
    struct Case {
        char kind;
        std::vector<int> nodes;
        double value;
        Lines lines;
    };
    const Case cases[] = {
        {'R', {1, 0}, 4.7, {"R1 1 0 4.7"}},
        {'G', {1, 0}, 0.4, {"RG1 1 0 2.5"}},
        {'C', {2, 0}, 2.2e-11, {"C1 2 0 2.2e-11"}},
        {'L', {2, 3}, 0.001, {"L1 2 3 0.001"}},
        {'V', {2, 0}, 5, {"V1 2 0 AC 1"}},
        {'I', {0, 3}, 5, {"I1 3 0 AC 1"}},
        {'E', {1, 2, 3, 4}, 10, {"E1 1 2 3 4 10"}},
        {'H', {1, 2, 3, 4}, 0.01, {"GH1 1 2 3 4 0.01"}},
        {'F', {1, 2, 3, 4}, -2, {"V_F1 3 4 0", "F1 1 2 V_F1 -2"}},
        {'Y', {1, 2, 3, 4}, 100, {"V_Y1 3 4 0", "HY1 1 2 V_Y1 100"}},
        {'n', {1, 2, 3, 4}, 3, {"F_n1 2 1 E_n1 3", "E_n1 3 4 1 2 3"}},
        {'O', {3, 1, 2}, 1, {"EO1 3 0 1 2 1e6"}},
        {'i', {3, 4}, 1, {"Vi1 3 4 0"}},
    };
    for (const Case& c : cases) {
        Schematic s;
        GCompo& part = AddNumbered(s, c.kind, std::string(1, c.kind) + "1", {}, c.value);
        for (int node : c.nodes)
            part.Node[part.TermCount++] = static_cast<std::uint16_t>(node);
        EXPECT_EQ(ElementLines(s), c.lines) << c.kind;
    }
}

TEST(SpiceLines, TransistorsInSpiceOrderWithEachModelOnce)
{
    Schematic s;
    AddNumbered(s, 'Q', "Q1", {1, 2, 3}).Text = "N";
    AddNumbered(s, 'q', "q1", {4, 0, 5}).Text = "N";
    AddNumbered(s, 'Q', "Q2", {1, 2, 6}).Text = "P";
    AddNumbered(s, 'M', "M1", {1, 0, 7}).Text = "N";
    AddNumbered(s, 'M', "M2", {1, 2, 8}).Text = "P";
    AddNumbered(s, 'M', "M3", {1, 2, 9}).Text = "N";
    EXPECT_EQ(ElementLines(s), (Lines{"Q1 3 1 2 NPNNOM", ".MODEL NPNNOM NPN", "Qq1 5 4 0 NPNNOM",
                                      "Q2 6 1 2 PNPNOM", ".MODEL PNPNOM PNP", "M1 7 1 0 0 NMOSNOM",
                                      ".MODEL NMOSNOM NMOS", "M2 8 1 2 2 PMOSNOM", ".MODEL PMOSNOM PMOS",
                                      "M3 9 1 2 2 NMOSNOM"}));
}

TEST(SpiceLines, MutualInductanceCouplingDropsTheSign)
{
    Schematic s;
    SetParams(AddNumbered(s, 'K', "K1", {1, 0, 2, 3}), 4, 1, -1, 0, 0);
    EXPECT_EQ(ElementLines(s), (Lines{"Lp_K1 1 0 4", "Ls_K1 2 3 1", "K_K1 Lp_K1 Ls_K1 0.5"}));
}

TEST(SpiceLines, PartsWithoutTwoTerminalsGiveNothingButSubcircuitsWithOne)
{
    Schematic s;
    AddNumbered(s, 'g', "", {0});
    AddNumbered(s, 'v', "", {1});
    AddNumbered(s, 'W', "", {});
    AddNumbered(s, 'T', "", {});
    AddInstance(s, "X1", "none", {});
    AddInstance(s, "X2", "stub", {3});
    AddInstance(s, "X3", "quad", {1, 2, 3, 4});
    Lines lines, used;
    std::string error;
    ASSERT_TRUE(SpiceElementLines(s, "no such folder/", lines, used, error));
    EXPECT_EQ(lines, (Lines{"X2 3 stub", "X3 1 2 3 4 quad"}));
    EXPECT_EQ(used, (Lines{"stub", "quad"}));
}

TEST(SpiceLines, NumbersThatAreNotFiniteAreRefused)
{
    struct Case {
        char kind;
        double value, l1, l2;
        const char* name;
    };
    const Case cases[] = {{'G', 0.0, 1, 1, "G1"}, {'K', 1, 0, 1, "K1"}, {'K', 1, -1, 1, "K2"},
                          {'R', INFINITY, 1, 1, "R1"}, {'C', NAN, 1, 1, "C1"}};
    for (const Case& c : cases) {
        Schematic s;
        GCompo& part = AddNumbered(s, c.kind, c.name, {1, 0, 2, 0}, c.value);
        SetParams(part, c.l1, c.l2, 1, 0, 0);
        Lines lines, used;
        std::string error;
        EXPECT_FALSE(SpiceElementLines(s, "no such folder/", lines, used, error)) << c.name;
        EXPECT_EQ(error, std::string("Bad value of ") + c.name + "!");
    }
}

// ---- whole netlists ----------------------------------------------------

// The subcircuit texts of the tests: "div" with two ports, and "outer", which uses "div".
void WriteSubcircuitTexts(const TempFolder& folder)
{
    WriteBytes(folder / "div.sp", ".SUBCKT div 1 2\r\nR1 1 2 1000\r\nR2 2 0 2200\r\n.ENDS\r\n");
    WriteBytes(folder / "outer.sp", ".SUBCKT outer 1\r\nX1 1 2 div\r\nR1 2 0 100\r\n.ENDS\r\n");
}

// Every kind, each element loaded so that the deck is a sound SPICE circuit.
void AddEveryKind(Schematic& s)
{
    AddNumbered(s, 'V', "V1", {1, 0});
    AddNumbered(s, 'R', "R1", {1, 2}, 1000);
    AddNumbered(s, 'G', "G1", {2, 0}, 0.001);
    AddNumbered(s, 'C', "C1", {2, 0}, 1e-9);
    AddNumbered(s, 'L', "L1", {2, 3}, 0.001);
    AddNumbered(s, 'R', "R2", {3, 0}, 1000);
    AddNumbered(s, 'E', "E1", {4, 0, 2, 0}, 2);
    AddNumbered(s, 'R', "R3", {4, 0}, 1000);
    AddNumbered(s, 'F', "F1", {5, 0, 4, 6}, 3);
    AddNumbered(s, 'R', "R4", {6, 0}, 1000);
    AddNumbered(s, 'R', "R5", {5, 0}, 1000);
    AddNumbered(s, 'H', "H1", {7, 0, 2, 0}, 0.001);
    AddNumbered(s, 'R', "R6", {7, 0}, 1000);
    AddNumbered(s, 'Y', "Y1", {8, 0, 4, 9}, 100);
    AddNumbered(s, 'R', "R7", {9, 0}, 1000);
    AddNumbered(s, 'R', "R8", {8, 0}, 1000);
    AddNumbered(s, 'n', "n1", {10, 0, 11, 0}, 2);
    AddNumbered(s, 'R', "R9", {2, 10}, 1000);
    AddNumbered(s, 'R', "R10", {11, 0}, 4000);
    AddNumbered(s, 'O', "O1", {12, 13, 2});
    AddNumbered(s, 'R', "R11", {12, 13}, 1000);
    AddNumbered(s, 'R', "R12", {13, 0}, 1000);
    SetParams(AddNumbered(s, 'K', "K1", {14, 0, 15, 0}), 0.001, 0.004, 0.001, 0, 0);
    AddNumbered(s, 'R', "R13", {2, 14}, 1000);
    AddNumbered(s, 'R', "R14", {15, 0}, 1000);
    AddNumbered(s, 'Q', "Q1", {2, 0, 16}).Text = "N";
    AddNumbered(s, 'q', "q1", {2, 0, 17}).Text = "P";
    AddNumbered(s, 'M', "M1", {2, 0, 18}).Text = "N";
    AddNumbered(s, 'M', "M2", {2, 0, 19}).Text = "P";
    AddNumbered(s, 'I', "I1", {20, 0});
    AddNumbered(s, 'i', "i1", {2, 21});
    AddInstance(s, "X1", "div", {2, 22});
    AddInstance(s, "X2", "outer", {23});
    AddInstance(s, "X3", "div", {23, 24});
    AddNumbered(s, 'g', "", {0});
    AddNumbered(s, 'v', "", {2});
    AddNumbered(s, 'W', "", {});
    AddNumbered(s, 'T', "", {});
    for (int node = 16; node <= 24; ++node)
        AddNumbered(s, 'R', "RL" + std::to_string(node), {node, 0}, 1000);
}

const Lines EveryKindDeck = {
    "/circuits/every kind.sch",
    "V1 1 0 AC 1", "R1 1 2 1000", "RG1 2 0 1000", "C1 2 0 1e-09", "L1 2 3 0.001", "R2 3 0 1000",
    "E1 4 0 2 0 2", "R3 4 0 1000", "V_F1 4 6 0", "F1 5 0 V_F1 3", "R4 6 0 1000", "R5 5 0 1000",
    "GH1 7 0 2 0 0.001", "R6 7 0 1000", "V_Y1 4 9 0", "HY1 8 0 V_Y1 100", "R7 9 0 1000", "R8 8 0 1000",
    "F_n1 0 10 E_n1 2", "E_n1 11 0 10 0 2", "R9 2 10 1000", "R10 11 0 4000",
    "EO1 12 0 13 2 1e6", "R11 12 13 1000", "R12 13 0 1000",
    "Lp_K1 14 0 0.001", "Ls_K1 15 0 0.004", "K_K1 Lp_K1 Ls_K1 0.5", "R13 2 14 1000", "R14 15 0 1000",
    "Q1 16 2 0 NPNNOM", ".MODEL NPNNOM NPN", "Qq1 17 2 0 PNPNOM", ".MODEL PNPNOM PNP",
    "M1 18 2 0 0 NMOSNOM", ".MODEL NMOSNOM NMOS", "M2 19 2 0 0 PMOSNOM", ".MODEL PMOSNOM PMOS",
    "I1 0 20 AC 1", "Vi1 2 21 0", "X1 2 22 div", "X2 23 outer", "X3 23 24 div",
    "RL16 16 0 1000", "RL17 17 0 1000", "RL18 18 0 1000", "RL19 19 0 1000", "RL20 20 0 1000",
    "RL21 21 0 1000", "RL22 22 0 1000", "RL23 23 0 1000", "RL24 24 0 1000",
    "", ".SUBCKT div 1 2", "R1 1 2 1000", "R2 2 0 2200", ".ENDS", "",
    "", ".SUBCKT outer 1", "X1 1 2 div", "R1 2 0 100", ".ENDS", "",
    ".AC DEC 100 1 1000", ".PROBE", ".END"};

TEST(SpiceNetlist, EveryKindWithTheSubcircuitTextsOnceEach)
{
    TempFolder folder;
    WriteSubcircuitTexts(folder);
    Schematic s;
    s.FileName = "/circuits/every kind.sch";
    AddEveryKind(s);
    Lines lines;
    std::string error;
    ASSERT_TRUE(SpiceNetlistLines(s, folder.Folder(), lines, error)) << error;
    EXPECT_EQ(lines, EveryKindDeck);
}

TEST(SpiceNetlist, SubcircuitTextsUsedInsideOthersFollowThem)
{
    TempFolder folder;
    WriteSubcircuitTexts(folder);
    Schematic s;
    s.FileName = "top.sch";
    AddInstance(s, "X1", "outer", {1});
    Lines lines;
    std::string error;
    ASSERT_TRUE(SpiceNetlistLines(s, folder.Folder(), lines, error)) << error;
    EXPECT_EQ(lines, (Lines{"top.sch", "X1 1 outer", "", ".SUBCKT outer 1", "X1 1 2 div", "R1 2 0 100",
                            ".ENDS", "", "", ".SUBCKT div 1 2", "R1 1 2 1000", "R2 2 0 2200", ".ENDS", "",
                            ".AC DEC 100 1 1000", ".PROBE", ".END"}));
}

TEST(SpiceNetlist, SubcircuitEndsWithEndsAndNoAnalysis)
{
    Schematic s;
    s.IsSubcircuit = true;
    s.SubcktHeader = ".SUBCKT div 1 2";
    AddNumbered(s, 'R', "R1", {1, 2}, 1000);
    AddInstance(s, "X1", "inner", {2, 3});
    Lines lines;
    std::string error;
    ASSERT_TRUE(SpiceNetlistLines(s, "no such folder/", lines, error)) << error;
    EXPECT_EQ(lines, (Lines{".SUBCKT div 1 2", "R1 1 2 1000", "X1 2 3 inner", ".ENDS"}));
}

TEST(SpiceNetlist, MissingSubcircuitTextStopsTheExport)
{
    TempFolder folder;
    Schematic s;
    s.FileName = folder / "top.sch";
    AddInstance(s, "X1", "gone", {1, 0});
    Lines lines{"kept"};
    std::string error;
    EXPECT_FALSE(SpiceNetlistLines(s, folder.Folder(), lines, error));
    EXPECT_EQ(error, "Cannot open file \"" + (folder / "gone.sp") + "\"");
    EXPECT_EQ(lines, Lines{"kept"});
}

// ---- the export command on a drawn schematic ---------------------------

// An RC low-pass drawn on the grid: V1 into R1, R1 to C1 by a wire, grounds
// under V1 and C1.
class ExportTest : public ::testing::Test {
public:
    void SetUp() override
    {
        s.FileName = folder / "rc.sch";
        r1 = &Place('R', "R1", 100, 40, 1000);
        c1 = &Place('C', "C1", 200, 40, 1e-7);
        v1 = &Place('V', "V1", 100, 100, 1);
        Place('g', "", 100, 160, 1);
        ground2 = &Place('g', "", 200, 100, 1);
        GCompo& w = Place('W', "", 200, 40, 1);
        w.X2 = 100;
        w.Y2 = 40;
        w.StartFixed = 1;
        w.Draw(true, false);
    }
    GCompo& Place(char kind, const std::string& name, int x, int y, double value)
    {
        auto part = std::make_unique<GCompo>(kind, &canvas, false, false, false);
        part->Name = name;
        part->X = x;
        part->Y = y;
        part->Value = value;
        part->Draw(true, false);
        s.Parts.push_back(std::move(part));
        return *s.Parts.back();
    }
    std::string Node(const GCompo& part, int i) const { return std::to_string(part.Node[i]); }

    TempFolder folder;
    RecordingCanvas canvas;
    Schematic s;
    GCompo *r1 = nullptr, *c1 = nullptr, *v1 = nullptr, *ground2 = nullptr;
    SpiceExport result;
    std::string error;
};

TEST_F(ExportTest, WritesTheDeckBesideTheSchematic)
{
    ASSERT_TRUE(ExportSpiceNetlist(s, &canvas, folder.Folder(), result, error)) << error;
    EXPECT_EQ(result.Path, folder / "rc.cir");
    EXPECT_TRUE(result.HasGround);
    std::string in = Node(*v1, 0), out = Node(*c1, 0);
    EXPECT_NE(in, out);
    EXPECT_EQ(Node(*r1, 0), out);
    EXPECT_EQ(ReadBytes(result.Path), s.FileName + "\r\nR1 " + out + " " + in + " 1000\r\nC1 " + out +
                                          " 0 1e-07\r\nV1 " + in + " 0 AC 1\r\n.AC DEC 100 1 1000\r\n"
                                          ".PROBE\r\n.END\r\n");
}

TEST_F(ExportTest, WithoutGroundTheDeckIsWrittenAndTheLackReported)
{
    s.Parts.erase(s.Parts.begin() + 3, s.Parts.begin() + 5);
    ASSERT_TRUE(ExportSpiceNetlist(s, &canvas, folder.Folder(), result, error)) << error;
    EXPECT_FALSE(result.HasGround);
    EXPECT_NE(ReadBytes(folder / "rc.cir").find(".END"), std::string::npos);
}

TEST_F(ExportTest, RefusedExportsKeepTheOldFile)
{
    WriteBytes(folder / "rc.cir", "old");
    struct Case {
        const char* what;
        std::function<void(ExportTest&)> change;
        std::string message;
    };
    const Case cases[] = {
        {"missing subcircuit text", [](ExportTest& t) {
             GCompo& x = t.Place('X', "X1", 500, 500, 0);
             x.Text = "gone";
             x.TermCount = 1;
         },
         "Cannot open file \"" + (folder / "gone.sp") + "\""},
        {"conductance of zero", [](ExportTest& t) { t.Place('G', "G1", 400, 400, 0); }, "Bad value of G1!"},
        {"no name", [](ExportTest& t) { t.s.FileName.clear(); }, "Save the schematic first!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        s.Parts.clear();
        SetUp();
        c.change(*this);
        EXPECT_FALSE(ExportSpiceNetlist(s, &canvas, folder.Folder(), result, error));
        EXPECT_EQ(error, c.message);
        EXPECT_EQ(ReadBytes(folder / "rc.cir"), "old");
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"rc.cir"});
    }
}

TEST_F(ExportTest, SubcircuitSchematicWritesItsDefinition)
{
    s.IsSubcircuit = true;
    s.FileName = folder / "lp.xch";
    GCompo& port = Place('v', "", 200, 40, 0);
    s.Parts.erase(s.Parts.begin() + 2);  // no source in a subcircuit
    ASSERT_TRUE(ExportSpiceNetlist(s, &canvas, folder.Folder(), result, error)) << error;
    EXPECT_EQ(result.Path, folder / "lp.sp");
    EXPECT_EQ(port.Node[0], 1);
    EXPECT_EQ(s.SubcktHeader, ".SUBCKT lp 1");
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(result.Path, lines));
    EXPECT_EQ(lines, (Lines{".SUBCKT lp 1", "R1 1 " + Node(*r1, 1) + " 1000", "C1 1 0 1e-07", ".ENDS"}));
}

// ---- the simulator -----------------------------------------------------

TEST(SpiceRun, ProgramNetlistAndOptions)
{
    ProgramCommand call = SpiceCall("/opt/spice/bin/sim", "/data/my circuit.cir", "-r  -b");
    EXPECT_EQ(call.Program, "/opt/spice/bin/sim");
    EXPECT_EQ(call.Arguments, (Lines{"/data/my circuit.cir", "-r", "-b"}));
    EXPECT_EQ(SpiceCall("sim", "a.cir", "").Arguments, Lines{"a.cir"});
}

TEST(SpiceRun, AnalysisLineReplacesTheThirdFromTheEnd)
{
    Lines netlist{"title", "R1 1 0 1", ".AC DEC 100 1 1000", ".PROBE", ".END"};
    ApplyAnalysisLine(netlist, ".TRAN 1n 1u");
    EXPECT_EQ(netlist, (Lines{"title", "R1 1 0 1", ".TRAN 1n 1u", ".PROBE", ".END"}));
    Lines shortList{".PROBE", ".END"};
    ApplyAnalysisLine(shortList, ".TRAN 1n 1u");
    EXPECT_EQ(shortList, (Lines{".PROBE", ".END"}));
}

// ---- checked by ngspice ------------------------------------------------

bool HaveNgspice() { return std::system("command -v ngspice >/dev/null 2>&1") == 0; }

// Runs a deck at one frequency and returns the printed values by name.
std::map<std::string, double> Simulate(const TempFolder& folder, Lines deck, double hz,
                                       const std::string& vectors, std::string& log)
{
    std::string f = std::to_string(hz);
    ApplyAnalysisLine(deck, ".ac lin 1 " + f + " " + f);
    deck.insert(deck.end() - 2, ".print ac " + vectors);
    std::string path = folder / "sim.cir", out = folder / "sim.log";
    EXPECT_TRUE(WriteTextLines(path, deck));
    EXPECT_EQ(std::system(("ngspice -b '" + path + "' > '" + out + "' 2>&1").c_str()), 0);
    log = ReadBytes(out);
    std::map<std::string, double> values;
    std::istringstream text(log);
    std::vector<std::string> names;
    for (std::string line; std::getline(text, line);) {
        std::istringstream words(line);
        std::vector<std::string> w{std::istream_iterator<std::string>(words), {}};
        if (!w.empty() && w[0] == "Index")
            names = w;
        else if (!w.empty() && w[0] == "0" && w.size() == names.size())
            for (std::size_t i = 2; i < w.size(); ++i)
                values[names[i]] = std::stod(w[i]);
    }
    return values;
}

TEST_F(ExportTest, NgspiceGivesTheGainOfTheLowPass)
{
    if (!HaveNgspice())
        GTEST_SKIP() << "ngspice is not installed";
    ASSERT_TRUE(ExportSpiceNetlist(s, &canvas, folder.Folder(), result, error)) << error;
    Lines deck;
    ASSERT_TRUE(ReadTextLines(result.Path, deck));
    std::string out = Node(*c1, 0), log;
    auto values = Simulate(folder, deck, 1000, "vm(" + out + ") vp(" + out + ")", log);
    double x = 2 * M_PI * 1000 * 1000 * 1e-7;
    ASSERT_EQ(values.count("vm(" + out + ")"), 1u) << log;
    EXPECT_NEAR(values["vm(" + out + ")"], 1 / std::sqrt(1 + x * x), 1e-6);
    EXPECT_NEAR(values["vp(" + out + ")"], -std::atan(x), 1e-5);
}

TEST(SpiceNetlistInNgspice, EveryKindParsesAndBehaves)
{
    if (!HaveNgspice())
        GTEST_SKIP() << "ngspice is not installed";
    TempFolder folder;
    WriteSubcircuitTexts(folder);
    std::string log;
    auto v = Simulate(folder, EveryKindDeck, 1000, "vm(4) vm(5) vm(8) vm(10) vm(11) vm(2) vm(12)", log);
    EXPECT_EQ(log.find("rror"), std::string::npos) << log;
    ASSERT_EQ(v.size(), 7u) << log;
    EXPECT_NEAR(v["vm(5)"] / v["vm(4)"], 3, 1e-6) << "current-controlled current source";
    EXPECT_NEAR(v["vm(8)"] / v["vm(4)"], 0.1, 1e-6) << "current-controlled voltage source";
    EXPECT_NEAR(v["vm(11)"] / v["vm(10)"], 2, 1e-6) << "ideal transformer";
    EXPECT_NEAR(v["vm(12)"] / v["vm(2)"], 2, 1e-5) << "op amp";
}

// The current leaves the source at its arrow, the first terminal: 1 A into
// 1 kOhm to ground gives +1 V there, as the engine has it.
TEST(SpiceNetlistInNgspice, CurrentSourceDrivesItsArrowEnd)
{
    if (!HaveNgspice())
        GTEST_SKIP() << "ngspice is not installed";
    TempFolder folder;
    Schematic s;
    s.FileName = "arrow.sch";
    AddNumbered(s, 'I', "I1", {1, 0});
    AddNumbered(s, 'R', "R1", {1, 0}, 1000);
    Lines deck;
    std::string error, log;
    ASSERT_TRUE(SpiceNetlistLines(s, folder.Folder(), deck, error)) << error;
    auto v = Simulate(folder, deck, 1000, "vr(1) vi(1)", log);
    ASSERT_EQ(v.count("vr(1)"), 1u) << log;
    EXPECT_NEAR(v["vr(1)"], 1000, 1e-9);
    EXPECT_NEAR(v["vi(1)"], 0, 1e-9);
}

TEST(SpiceNetlistInNgspice, SavedSubcircuitServesATopLevelDeck)
{
    if (!HaveNgspice())
        GTEST_SKIP() << "ngspice is not installed";
    TempFolder folder;
    RecordingCanvas canvas;
    // A divider subcircuit: R1 from port 1 to port 2, R2 from port 2 to ground.
    Schematic sub;
    sub.IsSubcircuit = true;
    sub.FileName = folder / "half.xch";
    auto place = [&](char kind, const std::string& name, int x, int y, double value, int orientation) {
        auto part = std::make_unique<GCompo>(kind, &canvas, false, false, false);
        part->Name = name;
        part->X = x;
        part->Y = y;
        part->Value = value;
        part->Orientation = orientation;
        part->Draw(true, false);
        sub.Parts.push_back(std::move(part));
    };
    place('R', "R1", 100, 100, 1000, 0);
    place('R', "R2", 100, 160, 1000, 0);
    place('g', "", 100, 220, 1, 0);
    place('v', "", 100, 100, 1, 2);
    place('v', "", 100, 160, 1, 0);
    std::string error;
    ASSERT_TRUE(SaveSubcircuit(sub, &canvas, folder.Folder(), error)) << error;
    Schematic top;
    top.FileName = folder / "top.sch";
    AddNumbered(top, 'V', "V1", {1, 0});
    AddInstance(top, "X1", "half", {1, 2});
    Lines deck;
    ASSERT_TRUE(SpiceNetlistLines(top, folder.Folder(), deck, error)) << error;
    std::string log;
    auto v = Simulate(folder, deck, 1000, "vm(2)", log);
    ASSERT_EQ(v.count("vm(2)"), 1u) << log;
    EXPECT_NEAR(v["vm(2)"], 0.5, 1e-6);
}

// Instances placed while their subcircuit had two ports call its three-port
// definition with a node of each instance's own for port 3, as the circuit
// file has it: ngspice finds the hand formula's gain.
TEST(SpiceNetlistInNgspice, PortsGainedSinceAnInstanceWasPlacedAreItsOwnNodes)
{
    TempFolder folder;
    GrownTeeBoard board(folder.Folder());
    board.schematic.FileName = folder / "tee.sch";
    SpiceExport result;
    std::string error;
    ASSERT_TRUE(ExportSpiceNetlist(board.schematic, &board.canvas, folder.Folder(), result, error)) << error;
    Lines deck;
    ASSERT_TRUE(ReadTextLines(result.Path, deck));
    const GCompo& x1 = *board.schematic.Parts[0];
    const GCompo& x2 = *board.schematic.Parts[1];
    const int nets = board.schematic.NodeCount;
    auto x = [&](const GCompo& instance, int own) {
        return instance.Name + " " + std::to_string(instance.Node[0]) + " " + std::to_string(instance.Node[1]) + " " +
               std::to_string(own) + " tee";
    };
    EXPECT_EQ(deck.at(1), x(x1, nets + 1));
    EXPECT_EQ(deck.at(2), x(x2, nets + 2));
    for (const auto& part : board.schematic.Parts)
        for (int i = 0; i < part->TermCount; ++i)
            EXPECT_LT(part->Node[i], nets + 1) << "the instances' own nodes are no net's";
    if (!HaveNgspice())
        GTEST_SKIP() << "ngspice is not installed";
    for (double hz : {2.0, 50.0, 1000.0}) {
        std::string log, out = "vm(" + std::to_string(x2.Node[1]) + ")";
        auto v = Simulate(folder, deck, hz, out, log);
        ASSERT_EQ(v.count(out), 1u) << log;
        EXPECT_NEAR(v[out], std::abs(GrownTeeBoard::Gain({0, 2 * M_PI * hz})), 1e-6) << hz;
    }
}

}  // namespace
