// The nodal evaluator against the sums of the exact engine's terms, and its
// ratio against an independent nodal solution.
#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "NodalSolver.h"
#include "engine/CircNum.h"
#include "formats/TextFile.h"

namespace {

using Case = NamedCircuit;

const Case kCases[] = {
    {"RcGrounded", "t\nV1 1 0 1 1\nR1 1 2 1000 0\nC1 2 0 1e-6 0\n.OUT 2"},
    {"SourceValue", "t\nV1 1 0 2.5 0\nG1 1 2 1e-3 0\nR2 2 0 2000 1\nC2 2 0 1e-9 1\n.OUT 2"},
    {"GroundAtFirstNode", "t\nV1 0 1 -3 1\nR1 1 2 1000 0\nL1 2 0 0.1 0\nC1 2 0 1e-6 0\n.OUT 2"},
    {"FloatingSource", "t\nV1 1 2 1.5 1\nR1 1 0 1000 0\nR2 2 0 2000 0\nC1 1 2 1e-7 0\nR3 1 3 500 0\nC3 3 0 1e-8 0\n.OUT 3"},
    {"FloatingSourceOutputOnIt", "t\nV1 1 2 2 1\nR1 1 0 1000 0\nR2 2 0 2000 0\nC1 1 2 1e-7 0\n.OUT 1"},
    {"CurrentSource", "t\nI1 0 1 1e-3 1\nR1 1 0 50 0\nL1 1 2 1e-3 0\nC2 2 0 1e-6 0\n.OUT 2"},
    {"CurrentSourceReversed", "t\nI1 1 0 4 0\nR1 1 0 50 0\nG2 1 2 1e-2 0\nC2 2 0 1e-6 0\n.OUT 2"},
    {"FloatingCurrentSource", "t\nI1 1 2 0.5 1\nR1 1 0 100 0\nR2 2 0 300 0\nR3 1 2 200 0\nC2 2 0 1e-6 0\n.OUT 2"},
    {"Vcvs", "t\nV1 1 0 1 1\nR1 1 2 1000 0\nR2 2 0 1000 0\nE1 3 0 2 0 4 0\nR3 3 4 100 0\nC1 4 0 1e-6 0\n.OUT 4"},
    {"Cccs", "t\nV1 1 0 1 1\nR1 1 2 1000 0\nF1 3 0 2 5 10 0\nR2 5 0 1000 1\nR3 3 0 500 0\nC3 3 0 1e-8 0\n.OUT 3"},
    {"Vccs", "t\nV1 1 0 1 1\nR1 1 2 1000 0\nC1 2 0 1e-6 0\nH1 3 0 2 0 0.01 0\nR3 3 0 1000 0\n.OUT 3"},
    {"Ccvs", "t\nV1 1 0 1 1\nR1 1 2 1000 0\nY1 3 0 2 0 500 0\nR3 3 4 100 0\nC3 4 0 1e-6 0\n.OUT 4"},
    {"Mutual", "t\nV1 1 0 1 1\nR1 1 2 100 0\nL1 2 0 1e-3 1\nK1 3 0 2 5 1e-3 0\nR5 5 0 10 0\nR2 3 0 50 0\n.OUT 3"},
    {"Transformer", "t\nV1 1 0 1 1\nR1 1 2 100 0\nN1 2 0 3 0 2 0\nR3 3 0 1000 0\nC3 3 0 1e-7 1\n.OUT 3"},
    {"TransformerCurrentSource", "t\nI1 0 1 2 0\nR1 1 0 100 0\nN1 1 0 2 4 0.5 0\nR3 2 4 1000 0\nR4 4 0 10 0\n.OUT 2"},
    {"InvertingOpAmp", "t\nV1 1 0 1 1\nR1 1 2 1000 0\nR2 2 3 10000 0\nC2 2 3 1e-9 0\nO1 3 0 0 2\n.OUT 3"},
    {"AmmeterOutput", "t\nV1 1 0 1 1\nR1 1 2 1000 0\nC1 2 3 1e-6 0\nL1 3 0 1e-2 0\n.IOUT 3 0"},
    {"AmmeterFloatingSource", "t\nV1 1 2 3 1\nR1 1 0 1000 0\nR2 2 3 300 0\nC1 3 0 1e-6 0\n.IOUT 2 3"},
    {"CurrentToCurrent", "t\nI1 0 1 2 0\nR1 1 2 10 0\nR2 1 0 20 1\n.IOUT 2 0"},
    {"TwoSources", "t\nV1 1 0 2 1\nR1 1 2 1000 0\nI2 0 2 1e-3 1\nR2 2 0 500 0\nC2 2 0 1e-6 0\n.OUT 2"},
};

class EvaluatorTest : public ::testing::TestWithParam<Case> {};

void ExpectClose(double expected, double actual, const char* what, double w)
{
    EXPECT_LE(std::abs(expected - actual), 1e-9 * std::abs(expected)) << what << " at w=" << w << ": terms "
                                                                       << expected << " evaluator " << actual;
}

TEST_P(EvaluatorTest, MagnitudesEqualTheExactTermSums)
{
    TempFolder folder;
    RecordingHost host;
    std::string path = folder.Write("c.crc", GetParam().circuit);
    ASSERT_TRUE(RunEngine(path, host).ok) << (host.messages.empty() ? "" : host.messages[0]);
    NetworkFunction f = ReadNetworkFunction(folder / "c.fdt");
    CircNum exact(SplitTextLines(GetParam().circuit), host);
    ASSERT_TRUE(exact.Ok());
    for (double w : {1.0, 317.0, 1e4, 2.9e5}) {
        std::complex<double> s(0, w);
        std::complex<double> n = exact.Numerator(w), d = exact.Denominator(w);
        ASSERT_GT(std::abs(f.Denominator(s)), 0.0);
        ExpectClose(std::abs(f.Numerator(s)), std::abs(n), "numerator", w);
        ExpectClose(std::abs(f.Denominator(s)), std::abs(d), "denominator", w);
        std::complex<double> nodal = NodalSolve(GetParam().circuit, s);
        EXPECT_LE(std::abs(n / d - nodal), 1e-9 * std::abs(nodal)) << "w=" << w;
    }
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryKindAndSource, EvaluatorTest, ::testing::ValuesIn(kCases), ParamName<Case>);

}  // namespace

namespace {

struct BadCase {
    const char* name;
    const char* circuit;
    const char* message;
};

const BadCase kBad[] = {
    {"SchematicOnlyKind", "t\nV1 1 0 1 1\nQ1 1 0 2 1 0\n.OUT 1", "Error in line 2"},
    {"TooFewTokens", "t\nV1 1 0 1 1\nR1 1 0\n.OUT 1", "Error in line 2"},
    {"ValueNotFinite", "t\nV1 1 0 1 1\nR1 1 0 1e309 0\n.OUT 1", "Error in line 2"},
    {"AmmeterWithOneNode", "t\nV1 1 0 1 1\n.IOUT 1", "Error in line 2"},
    {"OutputOnNoElementLine", "t\nV1 1 0 1 1\nR1 1 0 5 0\n.OUT 2", "The output node 2 is on no element line!"},
};

class EvaluatorInputTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(EvaluatorInputTest, ReportsTheLine)
{
    RecordingHost host;
    CircNum exact(SplitTextLines(GetParam().circuit), host);
    EXPECT_FALSE(exact.Ok());
    EXPECT_EQ(host.messages, std::vector<std::string>{GetParam().message});
}

INSTANTIATE_TEST_SUITE_P(Bad, EvaluatorInputTest, ::testing::ValuesIn(kBad), ParamName<BadCase>);

}  // namespace
