// Subcircuit instances expanded into renamed and renumbered element lines.
#include "editor/circuit/CircuitWriter.h"
#include "editor/circuit/PartLines.h"
#include "editor/circuit/SubcktExpansion.h"
#include "tests/editor/CircuitBoard.h"
#include "tests/editor/TestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// An instance of <name> on the given outer nodes, without reading its symbol.
std::unique_ptr<GCompo> Instance(const std::string& subcircuit, const std::string& name,
                                 std::initializer_list<int> nodes)
{
    auto x = PartOnNodes('X', name, nodes);
    x->Text = subcircuit;
    return x;
}

class Expansion : public ::testing::Test {
protected:
    void Subcircuit(const std::string& name, const std::string& bytes) { WriteBytes(folder / (name + ".sbc"), bytes); }
    Lines Expand(const GCompo& instance, int& counter)
    {
        Lines lines;
        std::string error;
        EXPECT_TRUE(ExpandSubcircuit(instance, counter, folder.Folder(), lines, error)) << error;
        return lines;
    }
    TempFolder folder;
};

TEST_F(Expansion, WorkedExample)
{
    Subcircuit("div", "4 4 L2 R2 \r\nR1 1 3 100 0\r\nR2 3 2 200 0\r\n");
    int counter = 4;
    EXPECT_EQ(Expand(*Instance("div", "X1", {5, 7}), counter), (Lines{"R1_X1  5 _4 100 0", "R2_X1  _4 7 200 0"}));
    EXPECT_EQ(counter, 5);
}

TEST_F(Expansion, TwoInstancesHaveTheirOwnNamesAndInternalNodes)
{
    Subcircuit("div", "4 4 L2 R2 \r\nR1 1 3 100 0\r\nR2 3 4 200 0\r\nC1 4 2 1e-09 1\r\n");
    int counter = 1;
    Lines first = Expand(*Instance("div", "X1", {5, 7}), counter);
    Lines second = Expand(*Instance("div", "X2", {7, 0}), counter);
    EXPECT_EQ(first, (Lines{"R1_X1  5 _1 100 0", "R2_X1  _1 _2 200 0", "C1_X1  _2 7 1e-09 1"}));
    EXPECT_EQ(second, (Lines{"R1_X2  7 _3 100 0", "R2_X2  _3 _4 200 0", "C1_X2  _4 0 1e-09 1"}));
    EXPECT_EQ(counter, 5);
}

TEST_F(Expansion, ModelNodesOfTheFileBecomeInternalNodes)
{
    Subcircuit("stage", "4 4 L2 R2 \r\nRhie_Q1 1 _1 1000 0\r\nEhre_Q1 _2 0 2 0 0.00025 0\r\n"
                        "Fhfe_Q1 2 0 _1 _2 100 0\r\nK1 _2 3 _1 _5 1 0\r\n");
    int counter = 10;
    EXPECT_EQ(Expand(*Instance("stage", "X3", {4, 6}), counter),
              (Lines{"Rhie_Q1_X3  4 _10 1000 0", "Ehre_Q1_X3  _11 0 6 0 0.00025 0", "Fhfe_Q1_X3  6 0 _10 _11 100 0",
                     "K1_X3  _11 _12 _10 _13 1 0"}));
    EXPECT_EQ(counter, 14);
}

TEST_F(Expansion, NestedGroupAndItsEmptyLine)
{
    Subcircuit("two", "4 4 L2 R2 \r\nR1_X1  1 3 100 0\r\nC1_X1  3 0 1e-06 0\r\n\r\n   \r\nR1_X4  3 2 100 0\r\n\r\n");
    int counter = 2;
    EXPECT_EQ(Expand(*Instance("two", "X2", {8, 9}), counter),
              (Lines{"R1_X1_X2  8 _2 100 0", "C1_X1_X2  _2 0 1e-06 0", "R1_X4_X2  _2 9 100 0"}));
    EXPECT_EQ(counter, 3);
}

TEST_F(Expansion, OpAmpLineEndsInTwoBlanksAndMissingTokensAreEmpty)
{
    Subcircuit("buf", "4 4 L2 R2 \nO1 2 0 3 1\nR1 2\n");
    int counter = 1;
    EXPECT_EQ(Expand(*Instance("buf", "X1", {4, 5}), counter), (Lines{"O1_X1  5 0 _1 4  ", "R1_X1  5 _2  "}));
}

TEST_F(Expansion, PortsAboveTheInstanceTerminalsAreInternal)
{
    Subcircuit("three", "4 6 L1 L3 R3 \r\nR1 1 2 1 0\r\nR2 3 01 1 0\r\n");
    int counter = 1;
    EXPECT_EQ(Expand(*Instance("three", "X1", {4, 5}), counter), (Lines{"R1_X1  4 5 1 0", "R2_X1  _1 4 1 0"}));
}

TEST_F(Expansion, NodeTokensByTheNameLetter)
{
    const std::pair<char, int> cases[] = {{'C', 2}, {'G', 2}, {'L', 2}, {'R', 2}, {'M', 3}, {'Q', 3}, {'q', 3},
                                          {'E', 4}, {'F', 4}, {'H', 4}, {'Y', 4}, {'K', 4}, {'n', 4}, {'O', 4},
                                          {'c', 4}, {'r', 4}};
    for (auto [letter, count] : cases)
        EXPECT_EQ(SubcktNodeCount(letter), count) << letter;
}

TEST_F(Expansion, OnlyTheSymbolLineGivesOneEmptyLineInTheCircuit)
{
    Subcircuit("none", "4 4 L2 R2 \r\n");
    auto x = Instance("none", "X1", {1, 2});
    Lines lines;
    std::string error;
    int counter = 3;
    ASSERT_TRUE(PartLines(*x, counter, folder.Folder(), lines, error));
    EXPECT_EQ(lines, Lines{""});
    EXPECT_EQ(counter, 3);
}

TEST_F(Expansion, MissingFileIsReportedAndChangesNothing)
{
    auto x = Instance("gone", "X1", {1, 2});
    Lines lines{"kept"};
    std::string error;
    int counter = 3;
    EXPECT_FALSE(ExpandSubcircuit(*x, counter, folder.Folder(), lines, error));
    EXPECT_EQ(error, "Cannot open file \"" + folder / "gone.sbc" + "\"");
    EXPECT_EQ(lines, Lines{"kept"});
    EXPECT_EQ(counter, 3);
}

// V1 - X1 (two-port divider) - output, then an h-model BJT: the BJT's internal
// nodes follow the instance's, and the instance's group ends with an empty line.
TEST_F(Expansion, InCircuitFileBeforeAModel)
{
    Subcircuit("div", "4 4 L2 R2 \r\nR1 1 3 100 0\r\nR2 3 0 200 0\r\n");
    CircuitBoard board;
    board.schematic.FileName = folder / "top.sch";
    GCompo& v1 = board.Place('V', "V1", {100, 100});
    board.Place('g', "", CircuitBoard::Terminal(v1, 1));
    GCompo& x1 = board.PlaceInstance("div", folder.Folder(), "X1", CircuitBoard::Terminal(v1, 0));
    GCompo& q1 = board.Place('Q', "Q1", CircuitBoard::Terminal(x1, 1));
    board.Place('g', "", CircuitBoard::Terminal(q1, 1));
    GCompo& rl = board.Place('R', "RL", CircuitBoard::Terminal(q1, 2), 1, 0, 1, 0);
    board.Place('g', "", CircuitBoard::Terminal(rl, 0));
    board.Place('v', "", CircuitBoard::Terminal(q1, 2));
    std::string path, message;
    ASSERT_TRUE(WriteCircuitFile(board.schematic, &board.canvas, folder.Folder(), path, message)) << message;
    std::string in = std::to_string(v1.Node[0]), base = std::to_string(q1.Node[0]);
    std::string out = std::to_string(q1.Node[2]);
    EXPECT_EQ(ReadBytes(path), board.schematic.FileName + "\r\nV1 " + in + " 0 1 1\r\nR1_X1  " + in +
                                   " _1 100 0\r\nR2_X1  _1 0 200 0\r\n\r\nRhie_Q1 " + base + " _2 1000 0\r\nFhfe_Q1 " +
                                   out + " 0 _2 0 100 0\r\nRL 0 " + out + " 1 0\r\n.OUT " + out + "\r\n.END\r\n");
}

}  // namespace
