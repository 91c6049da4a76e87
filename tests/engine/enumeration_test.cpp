// The two sections of a run: counts, end records, the big-output question,
// Abort, the fatal end and the failures that must leave no result files.
#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "NodalSolver.h"

namespace {

bool NoResults(const TempFolder& folder)
{
    return folder.Names() == std::vector<std::string>{"c.crc"};
}

TEST(EnumerationTest, CountsAndParameterLines)
{
    TempFolder folder;
    RecordingHost host;
    EngineRun run = RunEngine(folder.Write("c.crc", Ladder(3)), host);
    ASSERT_TRUE(run.ok);
    EXPECT_EQ(run.numeratorTerms, 1u);
    EXPECT_EQ(run.denominatorTerms, 13u);  // a Fibonacci number
    NetworkFunction f = ReadNetworkFunction(folder / "c.fdt");
    EXPECT_EQ(f.par.numeratorDegree, 0u);
    EXPECT_EQ(f.par.denominatorDegree, 3u);
    EXPECT_TRUE(host.questions.empty());
    EXPECT_TRUE(host.messages.empty());
}

TEST(EnumerationTest, NoCommonTreeGivesEmptySections)
{
    TempFolder folder;
    RecordingHost host;
    EngineRun run = RunEngine(folder.Write("c.crc", "t\nV1 1 0 1 1\nR1 1 0 1 0\n.OUT 2"), host);
    ASSERT_TRUE(run.ok);
    EXPECT_EQ(run.numeratorTerms, 0u);
    EXPECT_EQ(run.denominatorTerms, 0u);
    EXPECT_EQ(ReadBytes(folder / "c.fdt"), std::string(20, '\0'));
    EXPECT_EQ(ReadBytes(folder / "c.par"), "R1 $ $ \r\n1 -1 1 \r\n0 0\r\n0 0\r\n");
}

TEST(EnumerationTest, ZeroTermIsNotWrittenAsAnEndRecord)
{
    // All numeric, with a conductance of 0: the term holding it is zero.
    const char* circuit = "t\nV1 1 0 1 1\nR1 1 2 2 1\nG1 2 0 0 1\nR2 2 0 3 1\n.OUT 2";
    TempFolder folder;
    RecordingHost host;
    ASSERT_TRUE(RunEngine(folder.Write("c.crc", circuit), host).ok);
    NetworkFunction f = ReadNetworkFunction(folder / "c.fdt");
    for (const TERM& t : f.denominator)
        EXPECT_FALSE(t.IsEndRecord());
    std::complex<double> s(0, 1);
    EXPECT_NEAR(std::abs(f.At(s) - NodalSolve(circuit, s)), 0.0, 1e-12);
}

TEST(EnumerationTest, FixedEdgesClosingALoopEndFatally)
{
    TempFolder folder;
    RecordingHost host;
    std::string path = folder.Write("c.crc", "t\nI1 0 1 1 1\nO1 1 0 1 0\n.OUT 1");
    try {
        RunEngine(path, host);
        FAIL() << "no fatal end";
    } catch (const RecordingHost::FatalEnd& end) {
        EXPECT_STREQ(end.what(), "Invalid Circuit!\r\nCheck the circuit schematic!");
    }
    EXPECT_TRUE(NoResults(folder));
}

TEST(EnumerationTest, BigOutputQuestionOnlyFromTheCommandLine)
{
    TempFolder folder;
    std::string path = folder.Write("c.crc", Ladder(14));
    {
        RecordingHost host;
        EngineRun run = RunEngine(path, host, false);
        ASSERT_TRUE(run.ok);
        ASSERT_GT(run.denominatorTerms, Circuito::kBigOutputTerms);
        EXPECT_TRUE(host.questions.empty());
        EXPECT_GT(host.polls, static_cast<int>(run.denominatorTerms / 1024));
    }
    RecordingHost host;
    host.answer = false;
    EngineRun run = RunEngine(path, host, true);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0],
              "The output files for this circuit\r\ncould requires tens of MegaBytes!\r\nDo you want to proceed?");
    EXPECT_TRUE(run.aborted);
    EXPECT_TRUE(run.ok);
    EXPECT_GT(run.denominatorTerms, Circuito::kBigOutputTerms);
    EXPECT_LT(run.denominatorTerms, Circuito::kBigOutputTerms + 1000);
    ReadNetworkFunction(folder / "c.fdt");  // complete sections, counts as written
}

TEST(EnumerationTest, AbortKeepsBothSectionsClosed)
{
    TempFolder folder;
    RecordingHost host;
    host.abortAtPoll = 1;
    EngineRun run = RunEngine(folder.Write("c.crc", Ladder(9)), host);
    EXPECT_TRUE(run.aborted);
    EXPECT_TRUE(run.ok);
    EXPECT_LT(run.denominatorTerms, 5000u);
    NetworkFunction f = ReadNetworkFunction(folder / "c.fdt");
    EXPECT_EQ(f.denominator.size(), run.denominatorTerms);
}

TEST(EnumerationTest, TermsBeyondTheRecordAreRefused)
{
    // 300 parallel elements of one name: every term holds 299 of them.
    for (const char* element : {"R 1 0 1 0", "L 1 0 1 1"}) {
        std::string text = "t\nV1 1 0 1 1\n.OUT 1\n";
        for (int k = 0; k < 300; ++k)
            text += std::string(element) + "\n";
        TempFolder folder;
        RecordingHost host;
        EngineRun run = RunEngine(folder.Write("c.crc", text), host);
        EXPECT_FALSE(run.ok) << element;
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_NE(host.messages[0].find("more than 255"), std::string::npos);
        EXPECT_TRUE(NoResults(folder)) << element;
    }
}

TEST(EnumerationTest, UncreatableResultFileStopsTheRun)
{
    // The circuit's name fits the file system, its results' do not.
    TempFolder folder;
    const std::string name(253, 'c');
    std::string path = folder.Write(name + ".c", Ladder(2));
    RecordingHost host;
    EngineRun run = RunEngine(path, host);
    EXPECT_FALSE(run.ok);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "Cannot create file \"" + folder / (name + ".par") + "\"\r\n"
                                "Its name is too long for the file system!");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{name + ".c"});
}

TEST(EnumerationTest, FailedRunKeepsTheEarlierResults)
{
    TempFolder folder;
    RecordingHost host;
    std::string path = folder.Write("c.crc", Ladder(2));
    ASSERT_TRUE(RunEngine(path, host).ok);
    std::string fdt = ReadBytes(folder / "c.fdt"), par = ReadBytes(folder / "c.par");
    folder.Write("c.crc", "t\nV1 1 0 1 1\nZ1 1 0\n.OUT 1");
    EXPECT_FALSE(RunEngine(path, host).ok);
    EXPECT_EQ(ReadBytes(folder / "c.fdt"), fdt);
    EXPECT_EQ(ReadBytes(folder / "c.par"), par);
}

}  // namespace
