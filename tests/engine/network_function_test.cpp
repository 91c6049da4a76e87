// The network function read back from the engine's files against an
// independent nodal solution of the same circuit.
#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "NodalSolver.h"

namespace {

using Case = NamedCircuit;

const Case kCases[] = {
    {"RcLowPass", "title\nV1 1 0 1 1\nR1 1 2 1000 0\nC1 2 0 1e-6 0\n.OUT 2\n.END"},
    {"SymbolicSourceValue", "t\nV1 1 0 2.5 0\nG1 1 2 1e-3 0\nR2 2 0 2000 1\nC2 2 0 1e-9 1\n.OUT 2"},
    {"CurrentSourceRl", "t\nI1 0 1 1e-3 1\nR1 1 0 50 0\nL1 1 0 1e-3 0\n.OUT 1"},
    {"FloatingSource", "t\nV1 1 2 1 1\nR1 1 0 1000 0\nR2 2 0 2000 0\nC1 1 2 1e-7 0\n.OUT 1"},
    {"Vcvs", "t\nV1 1 0 1 1\nR1 1 2 1000 0\nR2 2 0 1000 0\nE1 3 0 2 0 4 0\nR3 3 4 100 0\nC1 4 0 1e-6 0\n.OUT 4"},
    {"Cccs", "t\nV1 1 0 1 1\nR1 1 2 1000 0\nF1 3 0 2 5 10 0\nR2 5 0 1000 1\nR3 3 0 500 0\nC3 3 0 1e-8 0\n.OUT 3"},
    {"Vccs", "t\nV1 1 0 1 1\nR1 1 2 1000 0\nC1 2 0 1e-6 0\nH1 3 0 2 0 0.01 0\nR3 3 0 1000 0\n.OUT 3"},
    {"Ccvs", "t\nV1 1 0 1 1\nR1 1 2 1000 0\nY1 3 0 2 0 500 0\nR3 3 4 100 0\nC3 4 0 1e-6 0\n.OUT 4"},
    {"Mutual", "t\nV1 1 0 1 1\nR1 1 2 100 0\nL1 2 0 1e-3 1\nK1 3 0 2 5 1e-3 0\nR5 5 0 10 0\nR2 3 0 50 0\n.OUT 3"},
    {"Transformer", "t\nV1 1 0 1 1\nR1 1 2 100 0\nN1 2 0 3 0 2 0\nR3 3 0 1000 0\nC3 3 0 1e-7 1\n.OUT 3"},
    {"InvertingOpAmp", "t\nV1 1 0 1 1\nR1 1 2 1000 0\nR2 2 3 10000 0\nC2 2 3 1e-9 0\nO1 3 0 0 2\n.OUT 3"},
    {"AmmeterOutput", "t\nV1 1 0 1 1\nR1 1 2 1000 0\nC1 2 3 1e-6 0\nL1 3 0 1e-2 0\n.IOUT 3 0"},
    {"EveryKindTogether", "t\nI1 0 1 1 1\nR1 1 0 1 0\nE1 2 0 1 0 3 0\nF1 3 0 2 4 2 0\nR4 4 0 5 0\n"
                          "Y1 5 0 3 0 7 0\nR5 5 6 1 0\nK1 6 0 1 9 2 0\nR9 9 0 3 1\nN1 6 0 7 0 2 0\nC7 7 0 1 0\n"
                          "O1 8 0 8 7\nR8 8 10 1 0\n.IOUT 10 0"},
    {"CurrentToCurrent", "t\nI1 0 1 2 0\nR1 1 2 10 0\nR2 1 0 20 1\n.IOUT 2 0"},
};

class NetworkFunctionTest : public ::testing::TestWithParam<Case> {};

TEST_P(NetworkFunctionTest, MatchesNodalSolution)
{
    TempFolder folder;
    RecordingHost host;
    std::string path = folder.Write("c.crc", GetParam().circuit);
    EngineRun run = RunEngine(path, host);
    ASSERT_TRUE(run.ok) << (host.messages.empty() ? "" : host.messages[0]);
    NetworkFunction f = ReadNetworkFunction(folder / "c.fdt");
    for (double w : {1.0, 317.0, 1e4, 2.9e5}) {
        std::complex<double> s(0, w);
        std::complex<double> expected = NodalSolve(GetParam().circuit, s);
        std::complex<double> actual = f.At(s);
        ASSERT_GT(std::abs(expected), 1e-12);
        EXPECT_LE(std::abs(actual - expected), 1e-9 * std::abs(expected)) << "w=" << w << " engine " << actual
                                                                          << " nodal " << expected;
    }
}

TEST_P(NetworkFunctionTest, SpreadOverWorkersWritesTheSameFiles)
{
    TempFolder folder;
    RecordingHost host;
    std::string path = folder.Write("c.crc", GetParam().circuit);
    ASSERT_TRUE(RunEngine(path, host, false, OneThread()).ok);
    const std::string fdt = ReadBytes(folder / "c.fdt"), par = ReadBytes(folder / "c.par");
    ASSERT_TRUE(RunEngine(path, host, false, Spread(3, 1)).ok);
    EXPECT_EQ(ReadBytes(folder / "c.fdt"), fdt);
    EXPECT_EQ(ReadBytes(folder / "c.par"), par);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, NetworkFunctionTest, ::testing::ValuesIn(kCases), ParamName<Case>);

TEST(NodalSolverTest, RcLowPassClosedForm)
{
    const char* rc = "t\nV1 1 0 1 1\nR1 1 2 1000 0\nC1 2 0 1e-6 0\n.OUT 2";
    for (double w : {10.0, 1000.0, 1e5}) {
        std::complex<double> s(0, w);
        std::complex<double> expected = 1.0 / (1.0 + s * 1e-3);
        EXPECT_LE(std::abs(NodalSolve(rc, s) - expected), 1e-12);
    }
}

}  // namespace
