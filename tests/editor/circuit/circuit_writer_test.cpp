// The circuit file of a schematic: its lines, the checks before writing and
// the safe write.
#include "editor/analysis/EngineCommand.h"
#include "editor/circuit/CircuitWriter.h"
#include "tests/editor/Boards.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(CircuitWriter, TitleSourceElementsOutputEnd)
{
    RcBoard board;
    std::string message;
    Lines lines = board.Build(message);
    ASSERT_TRUE(board.ok) << message;
    std::string a = board.Node(0, 0), b = board.Node(3, 0);
    EXPECT_NE(a, b);
    EXPECT_NE(a, "0");
    EXPECT_NE(b, "0");
    EXPECT_EQ(lines, (Lines{"/circuits/board.sch", "V1 " + a + " 0 1 1", "R1 " + a + " " + b + " 1000 0",
                            "C1 " + b + " 0 1e-06 0", ".OUT " + b, ".END"}));
}

TEST(CircuitWriter, PendingApproximationLineIsLineOneAndServesOneRun)
{
    RcBoard board;
    board.schematic.AppLine = ".APP 5 4 1 10 100 1000 ";
    std::string message;
    Lines first = board.Build(message);
    ASSERT_TRUE(board.ok) << message;
    EXPECT_EQ(first[1], ".APP 5 4 1 10 100 1000 ");
    EXPECT_TRUE(board.schematic.AppLine.empty());
    EXPECT_EQ(board.Build(message)[1].rfind("V1 ", 0), 0u);
}

TEST(CircuitWriter, CurrentOutputGivesIout)
{
    RcBoard board({true, true, ""});
    GCompo& c1 = *board.schematic.Parts[3];
    GCompo& ammeter = board.Place('i', "", CircuitBoard::Terminal(c1, 1));
    board.Place('g', "", CircuitBoard::Terminal(ammeter, 1));
    std::string message;
    Lines lines = board.Build(message);
    ASSERT_TRUE(board.ok) << message;
    EXPECT_EQ(lines[lines.size() - 2], ".IOUT " + std::to_string(ammeter.Node[0]) + " 0");
}

class CircuitChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CircuitChecks, MessageAndNoLines)
{
    const CheckCase& c = GetParam();
    TempFolder folder;
    CircuitBoard board;
    DrawCheckCase(board, c);
    board.schematic.FileName = folder / "c.sch";
    board.schematic.AppLine = ".APP 5 2 1 10 ";
    std::string path, message;
    EXPECT_FALSE(WriteCircuitFile(board.schematic, &board.canvas, "", path, message));
    EXPECT_EQ(message, c.message);
    EXPECT_EQ(path, folder / "c.crc");
    EXPECT_TRUE(folder.Names().empty()) << "nothing written";
    EXPECT_TRUE(board.schematic.AppLine.empty()) << "the pending line is lost on failure";
}

INSTANTIATE_TEST_SUITE_P(EveryCheck, CircuitChecks, ::testing::ValuesIn(kChecks), CheckName);

TEST(CircuitWriter, VoltageOutputOnGroundCurrentOutputNot)
{
    RcBoard board({true, true, ""});
    GCompo& v1 = *board.schematic.Parts[0];
    board.Place('v', "", CircuitBoard::Terminal(v1, 1));
    std::string message;
    board.Build(message);
    EXPECT_EQ(message, "Output node is connected to ground!");

    RcBoard current({true, true, ""});
    GCompo& ammeter = current.Place('i', "", CircuitBoard::Terminal(*current.schematic.Parts[0], 1));
    current.Place('g', "", CircuitBoard::Terminal(ammeter, 1));
    Lines lines = current.Build(message);
    EXPECT_TRUE(current.ok) << message;
    EXPECT_EQ(lines[lines.size() - 2], ".IOUT 0 0");
}

TEST(CircuitWriter, SecondOutputOnGroundIsTheOneOutputMessage)
{
    RcBoard board;
    board.Place('v', "", CircuitBoard::Terminal(*board.schematic.Parts[0], 1));
    std::string message;
    board.Build(message);
    EXPECT_EQ(message, "Only one output is allowed!");
}

TEST(CircuitWriter, FileHasCrLfAfterEveryLineAndReplacesTheOldOne)
{
    TempFolder folder;
    RcBoard board;
    board.schematic.FileName = folder / "rc one.sch";
    WriteBytes(folder / "rc one.crc", "old");
    std::string path, message;
    ASSERT_TRUE(WriteCircuitFile(board.schematic, &board.canvas, "", path, message)) << message;
    EXPECT_EQ(path, folder / "rc one.crc");
    std::string a = board.Node(0, 0), b = board.Node(3, 0);
    EXPECT_EQ(ReadBytes(path), board.schematic.FileName + "\r\nV1 " + a + " 0 1 1\r\nR1 " + a + " " + b +
                                   " 1000 0\r\nC1 " + b + " 0 1e-06 0\r\n.OUT " + b + "\r\n.END\r\n");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"rc one.crc"}));
}

TEST(CircuitWriter, UnwritableFolderIsReportedAndLeavesNothing)
{
    TempFolder folder;
    RcBoard board;
    board.schematic.FileName = folder / "missing/c.sch";
    std::string path, message;
    EXPECT_FALSE(WriteCircuitFile(board.schematic, &board.canvas, "", path, message));
    EXPECT_EQ(message, "Cannot create file \"" + folder / "missing/c.crc" + "\"");
    EXPECT_TRUE(folder.Names().empty());
}

TEST(CircuitWriter, UnnamedSchematicIsNotWritten)
{
    RcBoard board;
    board.schematic.FileName.clear();
    std::string path, message;
    EXPECT_FALSE(WriteCircuitFile(board.schematic, &board.canvas, "", path, message));
    EXPECT_EQ(message, "Cannot create file \".crc\"");
}

TEST(EngineCommand, ProgramBesideTheEditorAndThePathAsOneArgument)
{
    ProgramCommand c = EngineCommand("/programs/tervox/", "/circuits/my amp.crc");
    EXPECT_EQ(c.Program, "/programs/tervox/Vimlo");
    EXPECT_EQ(c.Arguments, (std::vector<std::string>{"/circuits/my amp.crc"}));
    EXPECT_EQ(CircuitPath("/circuits/my amp.sch"), "/circuits/my amp.crc");
}

}  // namespace
