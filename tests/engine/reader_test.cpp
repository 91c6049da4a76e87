// Reading circuit files: statements, node numbering, edges, flags, sort order
// and the first two lines of the parameter file.
#include <gtest/gtest.h>

#include "EngineFixture.h"

namespace {

struct Parsed {
    RecordingHost host;
    TempFolder folder;
    std::unique_ptr<Circuito> circuit;
    explicit Parsed(const std::string& text)
    {
        circuit = std::make_unique<Circuito>(folder.Write("c.crc", text), false, host);
    }
    // Lines 1 and 2, in the run's own temporary beside the parameter file.
    std::string Par() const
    {
        for (const std::string& name : folder.Names())
            if (name.starts_with("c.par.") && name.ends_with(".part"))
                return ReadBytes(folder / name);
        return "";
    }
};

TEST(ReaderTest, PortIsNodeOneAndNodesFollowFirstUse)
{
    Parsed p("title\nR1 5 7 1 0\nV1 7 0 1 1\n.OUT 5");
    ASSERT_TRUE(p.circuit->Ok());
    const auto& nodes = p.circuit->NodeNames();
    ASSERT_EQ(nodes, (std::vector<std::string>{"$0", "5", "7", "0", "$1"}));
    EXPECT_EQ(p.circuit->InputNode(), 4);
    EXPECT_EQ(p.circuit->OutputNode(), 2);
    EXPECT_EQ(p.circuit->OutputReferenceNode(), 4);
    EXPECT_EQ(p.circuit->nodeCount, 5);
    EXPECT_EQ(p.circuit->branchCount, 3);  // R1, V1 and one internal element
}

TEST(ReaderTest, VoltageSourceTranslation)
{
    Parsed p("t\nV1 a b 2 0\nR1 a b 1 0\n.OUT a");
    ASSERT_TRUE(p.circuit->Ok());
    // Nodes: $0=1 a=2 b=3 $1=4. Sorted: R1, V1 (symbolic), internal.
    const auto& e = p.circuit->Elements();
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[1].name, "V1");
    EXPECT_EQ((std::vector<int>{e[1].iFrom, e[1].iTo, e[1].vFrom, e[1].vTo}), (std::vector<int>{4, 3, 1, 3}));
    EXPECT_TRUE(e[1].controlled);
    EXPECT_EQ(e[2].name, " ");
    EXPECT_EQ(e[2].value, -1.0);
    EXPECT_FALSE(e[2].symbolic);
    EXPECT_EQ((std::vector<int>{e[2].iFrom, e[2].iTo, e[2].vFrom, e[2].vTo}), (std::vector<int>{4, 3, 2, 3}));
    const auto& n = p.circuit->Nullors();
    ASSERT_EQ(n.size(), 1u);
    EXPECT_EQ((std::vector<int>{n[0].iFrom, n[0].iTo, n[0].vFrom, n[0].vTo}), (std::vector<int>{3, 2, 3, 4}));
}

TEST(ReaderTest, FlagsFollowTheKindLetterInEitherCase)
{
    Parsed p("t\nI1 1 0 1 1\nr1 1 0 1 0\ng1 1 0 1 0\nc1 1 0 1 0\nl1 1 0 1 0\n"
             "y1 1 0 2 0 1 0\nk1 1 0 2 0 1 0\nh1 1 0 2 0 1 0\n.out 1");
    ASSERT_TRUE(p.circuit->Ok());
    struct Flags {
        bool controlled, reactive, impedance;
    };
    std::map<std::string, Flags> expected = {
        {"r1", {false, false, true}}, {"g1", {false, false, false}}, {"c1", {false, true, false}},
        {"l1", {false, true, true}},  {"y1", {true, false, true}},   {"k1", {true, true, true}},
        {"h1", {true, false, false}}, {"I1", {true, false, false}},
    };
    for (const Componente& e : p.circuit->Elements()) {
        ASSERT_TRUE(expected.count(e.name)) << e.name;
        const Flags& f = expected[e.name];
        EXPECT_EQ(e.controlled, f.controlled) << e.name;
        EXPECT_EQ(e.reactive, f.reactive) << e.name;
        EXPECT_EQ(e.impedance, f.impedance) << e.name;
    }
}

TEST(ReaderTest, SortSymbolicFirstThenNumericByBytes)
{
    Parsed p("t\nV1 1 0 1 1\nRb 1 2 1 0\nRa 2 0 1 0\nR1 2 0 1 1\nCZ 2 0 1 0\nca 2 0 1 0\n.OUT 2");
    ASSERT_TRUE(p.circuit->Ok());
    std::vector<std::string> names;
    for (const Componente& e : p.circuit->Elements())
        names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"CZ", "Ra", "Rb", "ca", " ", "R1", "V1"}));
}

TEST(ReaderTest, ParameterLinesShareCaseInsensitiveNames)
{
    Parsed p("t\nV1 1 0 1 1\nRa 1 2 1.5 0\nRA 2 0 2e-12 0\nC1 2 0 3.3e-9 0\nE1 3 0 2 0 7 1\n.OUT 3");
    ASSERT_TRUE(p.circuit->Ok());
    EXPECT_EQ(p.Par(), "C1 RA $ $ $ \r\n3.3e-09 2e-12 -1 7 1 \r\n");
    EXPECT_EQ(p.circuit->SymbolMap()[1], p.circuit->SymbolMap()[2]);  // RA and Ra
}

TEST(ReaderTest, LexicalRules)
{
    // Blank and comment lines, runs of blanks, a directive after .END, a
    // letter value reading as 0, a flag beginning with 0.
    Parsed p("t\n   \n\t\n* comment\nV1   1  0 1 1\nR1 1 2 abc 007\n.END\nC1 2 0 1 x\n.OUT 2");
    ASSERT_TRUE(p.circuit->Ok());
    const auto& e = p.circuit->Elements();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0].name, "R1");
    EXPECT_TRUE(e[0].symbolic);
    EXPECT_EQ(e[0].value, 0.0);
    EXPECT_EQ(e[2].name, "C1");
    EXPECT_FALSE(e[2].symbolic);
}

TEST(ReaderTest, IoutRegistersInternalNodeBeforeItsNodes)
{
    Parsed p("t\nV1 1 0 1 1\n.IOUT 5 6\nR1 1 5 1 0\nR2 6 0 1 0");
    ASSERT_TRUE(p.circuit->Ok());
    EXPECT_EQ(p.circuit->NodeNames(), (std::vector<std::string>{"$0", "1", "0", "$1", "$2", "5", "6"}));
    EXPECT_EQ(p.circuit->OutputNode(), 5);
}

TEST(ReaderTest, SecondSourceKeepsTheInput)
{
    Parsed p("t\nI1 0 1 1 1\nV2 2 3 1 1\nR1 1 2 1 0\nR3 3 0 1 0\n.OUT 2");
    ASSERT_TRUE(p.circuit->Ok());
    EXPECT_EQ(p.circuit->InputNode(), 3);  // node "1"
}

TEST(ReaderTest, ApproximationLine)
{
    Parsed p("t\n.APP 5 3 10 100 1000 \nV1 1 0 1 1\nR1 1 0 1 0\n.OUT 1");
    ASSERT_TRUE(p.circuit->Ok());
    EXPECT_TRUE(p.circuit->Approximation());
    EXPECT_DOUBLE_EQ(p.circuit->Tolerance(), 0.05);
    EXPECT_EQ(p.circuit->Frequencies(), (std::vector<double>{10, 100, 1000}));
}

struct Rejected {
    const char* name;
    const char* circuit;
    const char* message;
};

const std::string kFourHundredDigits = "t\nV1 1 0 1 1\nR1 1 0 " + std::string(400, '9') + " 0\n.OUT 1";

const Rejected kRejected[] = {
    {"UnknownLetter", "t\nV1 1 0 1 1\nQ1 1 2 3 0\n.OUT 1", "Error in line 2"},
    {"SubcircuitLetter", "t\nV1 1 0 1 1\nX1 1 2\n.OUT 1", "Error in line 2"},
    {"TooFewTokens", "t\nV1 1 0 1 1\nR1 1 2 5\n.OUT 1", "Error in line 2"},
    {"TooFewControlled", "t\nV1 1 0 1 1\nE1 1 2 3 4 5\n.OUT 1", "Error in line 2"},
    {"TooFewOpAmp", "t\nV1 1 0 1 1\nO1 1 2 3\n.OUT 1", "Error in line 2"},
    {"TabJoinsTokens", "t\nV1 1 0 1 1\nR1 1\t2 5 0\n.OUT 1", "Error in line 2"},
    {"OutWithoutNode", "t\nV1 1 0 1 1\n.OUT\n", "Error in line 2"},
    {"IoutOneNode", "t\nV1 1 0 1 1\n.IOUT 1\n", "Error in line 2"},
    {"ReservedNode", "t\nV1 1 0 1 1\nR1 1 $1 5 0\n.OUT 1", "Error in line 2"},
    {"ElevenFrequencies", "t\n.APP 1 11 1 2 3 4 5 6 7 8 9 10 11\nV1 1 0 1 1\n.OUT 1", "Error in line 1"},
    {"MissingFrequencies", "t\n.APP 1 3 1 2\nV1 1 0 1 1\n.OUT 1", "Error in line 1"},
    {"NoFrequencyCount", "t\n.APP 1 x\nV1 1 0 1 1\n.OUT 1", "Error in line 1"},
    {"ValueOverflows", "t\nV1 1 0 1 1\nR1 1 0 1e309 0\n.OUT 1", "Error in line 2"},
    {"ValueInf", "t\nV1 1 0 1 1\nG1 1 0 inf 0\n.OUT 1", "Error in line 2"},
    {"ValueNan", "t\nV1 1 0 1 1\nC1 1 0 nan 0\n.OUT 1", "Error in line 2"},
    {"HexValueOverflows", "t\nV1 1 0 1 1\nL1 1 0 0x1p1024 0\n.OUT 1", "Error in line 2"},
    {"FourHundredDigits", kFourHundredDigits.c_str(), "Error in line 2"},
    {"SourceValueMinusInf", "t\nV1 1 0 -inf 1\nR1 1 0 1 0\n.OUT 1", "Error in line 1"},
    {"GainOverflows", "t\nV1 1 0 1 1\nE1 2 0 1 0 1e999 0\n.OUT 2", "Error in line 2"},
    {"ToleranceInf", "t\n.APP inf 1 10\nV1 1 0 1 1\n.OUT 1", "Error in line 1"},
    {"FrequencyNan", "t\n.APP 5 2 10 nan\nV1 1 0 1 1\n.OUT 1", "Error in line 1"},
    {"NoSource", "t\nR1 1 0 1 0\n.OUT 1", "The circuit has no input source (a V or I line)!"},
    {"NoOutput", "t\nV1 1 0 1 1\nR1 1 0 1 0", "The circuit has no output (an .OUT or .IOUT line)!"},
    {"Empty", "", "The circuit has no input source (a V or I line)!"},
};

class RejectedTest : public ::testing::TestWithParam<Rejected> {};

TEST_P(RejectedTest, ReportsAndWritesNothing)
{
    Parsed p(GetParam().circuit);
    EXPECT_FALSE(p.circuit->Ok());
    ASSERT_EQ(p.host.messages.size(), 1u);
    EXPECT_EQ(p.host.messages[0], GetParam().message);
    p.circuit.reset();
    EXPECT_EQ(p.folder.Names(), std::vector<std::string>{"c.crc"});
}

INSTANTIATE_TEST_SUITE_P(Lines, RejectedTest, ::testing::ValuesIn(kRejected), ParamName<Rejected>);

TEST(ReaderTest, MoreThan256NamesRejected)
{
    std::string text = "t\nV1 1 0 1 1\n.OUT 1\n";
    for (int k = 0; k < 256; ++k)
        text += "R" + std::to_string(k) + " 1 0 1 0\n";
    Parsed p(text);
    EXPECT_FALSE(p.circuit->Ok());
    ASSERT_EQ(p.host.messages.size(), 1u);
    EXPECT_EQ(p.host.messages[0], "The circuit has more than 256 distinct element names!");
}

TEST(ReaderTest, MissingFile)
{
    RecordingHost host;
    TempFolder folder;
    Circuito c(folder / "none.crc", false, host);
    EXPECT_FALSE(c.Ok());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find("Cannot open file"), std::string::npos);
}

}  // namespace
