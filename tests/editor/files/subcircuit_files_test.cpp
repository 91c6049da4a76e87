#include "editor/files/SubcircuitFiles.h"
#include "editor/subcircuits/SubcktLayout.h"
#include "tests/editor/NetlistSupport.h"
#include "tests/editor/RecordingCanvas.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// ---- symbol line -------------------------------------------------------

struct SymbolCase {
    const char* name;
    std::vector<int> orientations;  // one port per entry, in list order
    const char* line;
};

class SymbolLines : public ::testing::TestWithParam<SymbolCase> {};

TEST_P(SymbolLines, SizesAndPlacesAndReadsBack)
{
    Schematic s;
    s.IsSubcircuit = true;
    for (int orientation : GetParam().orientations)
        AddNumbered(s, 'v', "", {1}).Orientation = orientation;
    AddNumbered(s, 'R', "R1", {1, 2});  // other parts do not count
    std::string line = SymbolLine(s);
    EXPECT_EQ(line, GetParam().line);

    // The instance constructor reads the line back.
    TempFolder folder;
    WriteBytes(folder / "sub.sbc", line + "\r\n");
    GCompo x("sub", nullptr, folder.Folder());
    int width = line[0] - '0', height = line[2] - '0';
    EXPECT_EQ(x.SymWidth, width * 10);
    EXPECT_EQ(x.SymHeight, height * 10);
    ASSERT_EQ(x.TermCount, static_cast<int>(GetParam().orientations.size()));
    for (int i = 0; i < x.TermCount; ++i) {
        std::string item = line.substr(4 + 3 * static_cast<std::size_t>(i), 2);
        EXPECT_EQ(x.Pin[i].Side, item[0]);
        EXPECT_EQ(x.Pin[i].Offset, (item[1] - '0') * 10);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ports, SymbolLines,
    ::testing::Values(SymbolCase{"none", {}, "4 4 "},
                      SymbolCase{"leftThenRight", {2, 0}, "4 4 L2 R2 "},
                      SymbolCase{"threeLeftOneBottom", {2, 2, 2, 1}, "4 6 L1 L3 L5 B2 "},
                      SymbolCase{"fourTop", {3, 3, 3, 3}, "8 4 T1 T3 T5 T7 "},
                      SymbolCase{"twoRight", {0, 0}, "4 4 R1 R3 "},
                      SymbolCase{"threeRightOneLeft", {0, 4, 0, 6}, "4 6 R1 R3 R5 L3 "},
                      SymbolCase{"twoBottomsTwoTops", {1, 1, 3, 3}, "4 4 B1 B3 T1 T3 "},
                      SymbolCase{"threeBottomsOneTop", {1, 5, 1, 7}, "6 4 B1 B3 B5 T3 "}),
    [](const ::testing::TestParamInfo<SymbolCase>& c) { return std::string(c.param.name); });

TEST(SubcktHeader, NamesThePorts)
{
    EXPECT_EQ(SubcktHeaderLine("amp", 0), ".SUBCKT amp");
    EXPECT_EQ(SubcktHeaderLine("amp", 3), ".SUBCKT amp 1 2 3");
}

// ---- element lines -----------------------------------------------------

Lines LinesOf(Schematic& s)
{
    Lines lines;
    std::string error;
    EXPECT_TRUE(SubcircuitElementLines(s, "", lines, error)) << error;
    return lines;
}

TEST(SubcircuitLines, WorkedExamples)
{
    Schematic s;
    AddNumbered(s, 'R', "R1", {1, 2}, 1000);
    GCompo& q = AddNumbered(s, 'Q', "Q1", {1, 0, 2});
    SetParams(q, 1000, 0, 100, 0.0001, 0);
    q.Symbolic = 0;
    EXPECT_EQ(LinesOf(s), (Lines{"R1 1 2 1000 0", "Rhie_Q1 1 _1 1000 1", "Fhfe_Q1 2 0 _1 0 100 1",
                                 "Ghoe_Q1 2 0 0.0001 1"}));
}

TEST(SubcircuitLines, EveryKindWithAllItsLines)
{
    Schematic s;
    AddNumbered(s, 'G', "G1", {1, 0}, 0.5);
    AddNumbered(s, 'C', "C1", {1, 0}, 1e-12).Symbolic = 0;
    AddNumbered(s, 'L', "L1", {1, 2}, 0.001);
    AddNumbered(s, 'E', "E1", {3, 0, 1, 2}, 10);
    AddNumbered(s, 'F', "F1", {3, 0, 1, 2}, -2);
    AddNumbered(s, 'H', "H1", {3, 0, 1, 2}, 0.01);
    AddNumbered(s, 'Y', "Y1", {3, 0, 1, 2}, 100);
    AddNumbered(s, 'n', "n1", {1, 0, 2, 0}, 2);
    AddNumbered(s, 'O', "O1", {3, 1, 2});
    SetParams(AddNumbered(s, 'Q', "Q1", {1, 0, 2}), 1000, 0.00025, 100, 2.5e-05, 0);
    SetParams(AddNumbered(s, 'q', "q1", {1, 0, 2}), 0.001, 1e-10, 3e-12, 1.25e-05, 0.05);
    SetParams(AddNumbered(s, 'M', "M1", {1, 0, 2}), 1e-12, 2e-12, 0.02, 2e-05, 3e-12);
    SetParams(AddNumbered(s, 'K', "K1", {1, 0, 2, 0}), 1, 2, -0.5, 0, 0);
    SetParams(AddNumbered(s, 'Q', "Q2", {1, 0, 2}), 1000, -0.001, 100, 0, 0);
    EXPECT_EQ(LinesOf(s), (Lines{
                              "G1 1 0 0.5 0",
                              "C1 1 0 1e-12 1",
                              "L1 1 2 0.001 0",
                              "E1 3 0 1 2 10 0",
                              "F1 3 0 1 2 -2 0",
                              "H1 3 0 1 2 0.01 0",
                              "Y1 3 0 1 2 100 0",
                              "n1 1 0 2 0 2 0",
                              "O1 3 0 1 2",
                              "Rhie_Q1 1 _1 1000 0",
                              "Ehre_Q1 _2 0 2 0 0.00025 0",
                              "Fhfe_Q1 2 0 _1 _2 100 0",
                              "Ghoe_Q1 2 0 2.5e-05 0",
                              "Gbe_q1 1 0 0.001 0",
                              "Ce_q1 1 0 1e-10 0",
                              "Cc_q1 1 2 3e-12 0",
                              "Gce_q1 2 0 1.25e-05 0",
                              "Hgm_q1 2 0 1 0 0.05 0",
                              "Cgs_M1 1 0 1e-12 0",
                              "Cgd_M1 1 2 2e-12 0",
                              "Hgm_M1 2 0 1 0 0.02 0",
                              "Gd_M1 2 0 2e-05 0",
                              "Cds_M1 2 0 3e-12 0",
                              "Lp_K1 1 _3 1 0",
                              "Ls_K1 2 _5 2 0",
                              "K1 _4 0 _5 _6 -0.5 0",
                              "K1 _6 0 _3 _4 -0.5 0",
                              "Rhie_Q2 1 _7 1000 0",
                              "Ehre_Q2 _8 0 2 0 -0.001 0",
                              "Fhfe_Q2 2 0 _7 _8 100 0",
                          }));
}

TEST(SubcircuitLines, ModelsWithoutOptionalPartsGiveTwoLines)
{
    Schematic s;
    SetParams(AddNumbered(s, 'Q', "Q1", {1, 0, 2}), 1000, 0, 100, 0, 0);
    SetParams(AddNumbered(s, 'q', "q1", {1, 0, 2}), 0.001, 0, 0, 0, 0.05);
    SetParams(AddNumbered(s, 'M', "M1", {1, 0, 2}), 0, 0, 0.02, 0, 0);
    EXPECT_EQ(LinesOf(s), (Lines{"Rhie_Q1 1 _1 1000 0", "Fhfe_Q1 2 0 _1 0 100 0", "Gbe_q1 1 0 0.001 0",
                                 "Hgm_q1 2 0 1 0 0.05 0", "Hgm_M1 2 0 1 0 0.02 0", "Gd_M1 2 0 0 0"}));
}

TEST(SubcircuitLines, GroundsPortsAndPartsWithoutTerminalsGiveNothing)
{
    Schematic s;
    AddNumbered(s, 'g', "", {0});
    AddNumbered(s, 'v', "", {1});
    AddNumbered(s, 'W', "", {});
    AddNumbered(s, 'T', "", {});
    AddInstance(s, "X9", "empty", {});
    AddNumbered(s, 'R', "R1", {1, 0}, 5);
    EXPECT_EQ(LinesOf(s), (Lines{"R1 1 0 5 0"}));
}

TEST(SubcircuitLines, NestedInstancesAreExpandedAndShareTheCounter)
{
    TempFolder folder;
    WriteBytes(folder / "div.sbc", "4 4 L2 R2 \r\nR1 1 3 100 0\r\n");
    Schematic s;
    SetParams(AddNumbered(s, 'Q', "Q1", {1, 0, 2}), 1000, 0, 100, 0, 0);
    AddInstance(s, "X1", "div", {1, 2});
    SetParams(AddNumbered(s, 'Q', "Q2", {1, 0, 2}), 1000, 0, 100, 0, 0);
    Lines lines;
    std::string error;
    ASSERT_TRUE(SubcircuitElementLines(s, folder.Folder(), lines, error)) << error;
    // The instance's internal node 3 takes the counter's 2; an empty line ends its group.
    EXPECT_EQ(lines, (Lines{"Rhie_Q1 1 _1 1000 0", "Fhfe_Q1 2 0 _1 0 100 0", "R1_X1  1 _2 100 0", "",
                            "Rhie_Q2 1 _3 1000 0", "Fhfe_Q2 2 0 _3 0 100 0"}));
}

// ---- the command -------------------------------------------------------

// A subcircuit "div" drawn on the grid: R1 from port 1 to port 2, R2 from port 2
// to ground, port 1 on the left, port 2 on the right.
class SaveSubcircuitTest : public ::testing::Test {
public:
    void SetUp() override
    {
        s.Parts.clear();
        s.IsSubcircuit = true;
        s.FileName = folder / "div.xch";
        Place('R', "R1", 100, 100).Value = 1000;
        Place('R', "R2", 100, 160).Value = 2200;
        Place('g', "", 100, 220);
        Place('v', "", 100, 100, 2);
        Place('v', "", 100, 160, 0);
    }
    GCompo& Place(char kind, const std::string& name, int x, int y, int orientation = 0)
    {
        auto part = std::make_unique<GCompo>(kind, &canvas, false, false, false);
        part->Name = name;
        part->X = x;
        part->Y = y;
        part->Orientation = orientation;
        part->Draw(true, false);
        s.Parts.push_back(std::move(part));
        return *s.Parts.back();
    }
    bool Save() { return SaveSubcircuit(s, &canvas, folder.Folder(), error); }
    // A wire between two points.
    void Wire(int x1, int y1, int x2, int y2)
    {
        auto w = std::make_unique<GCompo>('W', &canvas, false, false, false);
        w->X2 = x1;
        w->Y2 = y1;
        w->X = x2;
        w->Y = y2;
        w->StartFixed = 1;
        w->Draw(true, false);
        s.Parts.push_back(std::move(w));
    }

    TempFolder folder;
    RecordingCanvas canvas;
    Schematic s;
    std::string error;
};

TEST_F(SaveSubcircuitTest, WritesTheSymbolAndElementFileAndTheSpiceText)
{
    ASSERT_TRUE(Save()) << error;
    EXPECT_EQ(ReadBytes(folder / "div.sbc"), "4 4 L2 R2 \r\nR1 1 2 1000 0\r\nR2 2 0 2200 0\r\n");
    EXPECT_EQ(ReadBytes(folder / "div.sp"), ".SUBCKT div 1 2\r\nR1 1 2 1000\r\nR2 2 0 2200\r\n.ENDS\r\n");
    EXPECT_EQ(s.SubcktHeader, ".SUBCKT div 1 2");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"div.sbc", "div.sp"})) << "the .xch is not rewritten";
}

TEST_F(SaveSubcircuitTest, ModelNodesAndNestedInstancesGoIntoTheFile)
{
    GCompo& q = Place('Q', "Q1", 300, 100);
    SetParams(q, 1000, 0, 100, 0, 0);
    WriteBytes(folder / "inner.sbc", "4 4 L2 R2 \r\nR1 1 2 5 0\r\n");
    auto x = std::make_unique<GCompo>("inner", &canvas, folder.Folder());
    x->Name = "X1";
    x->X = 500;
    x->Y = 500;
    x->Draw(true, false);
    // The instance's ports on the subcircuit's ports 1 and 2.
    Wire(x->TermX[0], x->TermY[0], 100, 100);
    Wire(x->TermX[1], x->TermY[1], 100, 160);
    s.Parts.push_back(std::move(x));
    ASSERT_TRUE(Save()) << error;
    std::string sbc = ReadBytes(folder / "div.sbc");
    EXPECT_NE(sbc.find("\r\nRhie_Q1 "), std::string::npos);
    EXPECT_NE(sbc.find(" _1 1000 0\r\n"), std::string::npos);
    EXPECT_NE(sbc.find("\r\nR1_X1  1 2 5 0\r\n\r\n"), std::string::npos) << "an empty line follows the group";
    EXPECT_NE(ReadBytes(folder / "div.sp").find("\r\nX1 "), std::string::npos);
}

TEST_F(SaveSubcircuitTest, SymbolFileGoesToTheSubcircuitFolderSpiceTextBesideTheSchematic)
{
    TempFolder elsewhere;
    s.FileName = elsewhere / "div.xch";
    ASSERT_TRUE(Save()) << error;
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"div.sbc"});
    EXPECT_EQ(elsewhere.Names(), std::vector<std::string>{"div.sp"});
}

TEST_F(SaveSubcircuitTest, RefusedCasesWriteNothing)
{
    struct Case {
        const char* what;
        std::function<void(SaveSubcircuitTest&)> change;
        std::string message;
        const char* header;  // the header afterwards: a failed save leaves it
    };
    const Case cases[] = {
        {"five ports", [](SaveSubcircuitTest& t) {
             for (int i = 0; i < 3; ++i)
                 t.Place('v', "", 100, 220);
         },
         "No more than 4 terminals are allowed for SubCircuits !", "old"},
        {"a source after other parts", [](SaveSubcircuitTest& t) { t.Place('V', "V1", 300, 100); },
         "No independent sources in subcircuits!", "old"},
        {"a current source", [](SaveSubcircuitTest& t) { t.Place('I', "I1", 300, 100); },
         "No independent sources in subcircuits!", "old"},
        {"a current output", [](SaveSubcircuitTest& t) { t.Place('i', "", 300, 100); },
         "No current outputs in subcircuits!", "old"},
        {"a failed expansion", [](SaveSubcircuitTest& t) {
             GCompo& x = t.Place('X', "X1", 500, 500);
             x.Text = "missing";
             x.TermCount = 1;
         },
         "Cannot open file \"" + (folder / "missing.sbc") + "\"", "old"},
        {"no name", [](SaveSubcircuitTest& t) { t.s.FileName.clear(); }, "Save the schematic first!", "old"},
        {"a name with a blank", [this](SaveSubcircuitTest& t) { t.s.FileName = folder / "my div.xch"; },
         "The name of this subcircuit must not contain blanks, control characters or # !", "old"},
        {"a name with '#'", [this](SaveSubcircuitTest& t) { t.s.FileName = folder / "div#2.xch"; },
         "The name of this subcircuit must not contain blanks, control characters or # !", "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        s.SubcktHeader = "old";
        c.change(*this);
        EXPECT_FALSE(Save());
        EXPECT_EQ(error, c.message);
        EXPECT_EQ(s.SubcktHeader, c.header);
        EXPECT_TRUE(folder.Names().empty());
    }
}

TEST_F(SaveSubcircuitTest, SpiceTextFailsOnItsOwnAfterTheSymbolFile)
{
    struct Case {
        const char* what;
        std::function<void(SaveSubcircuitTest&)> change;
        std::string cause;
        std::string spPath;
    };
    const Case cases[] = {
        {"a conductance of 0", [](SaveSubcircuitTest& t) { t.Place('G', "G1", 300, 100).Value = 0; },
         "Bad value of G1!", folder / "div.sp"},
        {"a coupling without inductance",
         [](SaveSubcircuitTest& t) { SetParams(t.Place('K', "K1", 300, 100), 0, 1, 1, 0, 0); }, "Bad value of K1!",
         folder / "div.sp"},
        {"an unwritable folder", [](SaveSubcircuitTest& t) { t.s.FileName = t.folder / "none/div.xch"; },
         "Cannot create file \"" + (folder / "none/div.sp") + "\"", folder / "none/div.sp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        WriteBytes(folder / "div.sp", "old");
        s.SubcktHeader = "old";
        c.change(*this);
        EXPECT_FALSE(Save());
        EXPECT_EQ(error, c.cause + "\r\nThe subcircuit was saved; its SPICE text \"" + c.spPath + "\" was not written.");
        const std::string head = "4 4 L2 R2 \r\nR1 1 2 1000 0\r\n";
        EXPECT_EQ(ReadBytes(folder / "div.sbc").substr(0, head.size()), head);
        EXPECT_EQ(ReadBytes(folder / "div.sp"), "old");
        EXPECT_EQ(s.SubcktHeader, ".SUBCKT div 1 2");
    }
}

TEST_F(SaveSubcircuitTest, MissingFolderIsReportedAndOldFilesStay)
{
    ASSERT_TRUE(Save()) << error;
    std::string old = ReadBytes(folder / "div.sbc");
    Place('R', "R3", 300, 100);
    EXPECT_FALSE(SaveSubcircuit(s, &canvas, folder / "none/", error));
    EXPECT_EQ(error, "Cannot create file \"" + (folder / "none/div.sbc") + "\"");
    EXPECT_EQ(ReadBytes(folder / "div.sbc"), old);
}

}  // namespace
