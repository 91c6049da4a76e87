// The circuit-file lines of each kind of schematic part.
#include "editor/circuit/CircuitFields.h"
#include "editor/circuit/PartLines.h"
#include "tests/editor/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines LinesOf(const GCompo& part, int& counter)
{
    Lines lines;
    std::string error;
    EXPECT_TRUE(PartLines(part, counter, "", lines, error)) << error;
    return lines;
}

Lines LinesOf(const GCompo& part)
{
    int counter = 1;
    return LinesOf(part, counter);
}

TEST(CircuitFields, EachFieldBringsItsBlank)
{
    auto r = PartOnNodes('R', "R1", {0, 65535});
    r->Param[0] = -2.5e-05;
    r->Param[4] = 1.234567891234;
    r->Value = 1e-12;
    EXPECT_EQ(NodeField(*r, 0), " 0");
    EXPECT_EQ(NodeField(*r, 1), " 65535");
    EXPECT_EQ(ParamField(*r, 0), " -2.5e-05");
    EXPECT_EQ(ParamField(*r, 4), " 1.23456789");
    EXPECT_EQ(ValueField(*r), " 1e-12");
    EXPECT_EQ(SymbolicField(*r), " 0");
    r->Symbolic = 0;
    EXPECT_EQ(SymbolicField(*r), " 1");
    int counter = 7;
    EXPECT_EQ(InternalNodeField(counter), " _7");
    EXPECT_EQ(counter, 8);
}

struct GenericCase {
    char kind;
    const char* name;
    std::initializer_list<int> nodes;
    double value;
    bool symbolic;
    const char* line;
};

TEST(PartLines, GenericLineOfEveryKind)
{
    const GenericCase cases[] = {
        {'R', "R1", {1, 2}, 1000, true, "R1 1 2 1000 0"},
        {'G', "G1", {2, 0}, 0.001, true, "G1 2 0 0.001 0"},
        {'C', "C1", {2, 0}, 2.2e-11, false, "C1 2 0 2.2e-11 1"},
        {'L', "L1", {3, 4}, 123456789.123, true, "L1 3 4 123456789 0"},
        {'V', "V1", {1, 0}, 1, false, "V1 1 0 1 1"},
        {'I', "I1", {0, 1}, -0.5, false, "I1 0 1 -0.5 1"},
        {'H', "H1", {3, 0, 1, 2}, 0.01, true, "H1 3 0 1 2 0.01 0"},
        {'Y', "Y1", {3, 0, 1, 2}, 500, true, "Y1 3 0 1 2 500 0"},
        {'E', "E1", {3, 0, 1, 2}, 4, true, "E1 3 0 1 2 4 0"},
        {'F', "F1", {3, 0, 1, 2}, 10, false, "F1 3 0 1 2 10 1"},
        {'n', "n1", {1, 0, 2, 0}, 2, true, "n1 1 0 2 0 2 0"},
    };
    for (const GenericCase& c : cases) {
        auto part = PartOnNodes(c.kind, c.name, c.nodes);
        part->Value = c.value;
        part->Symbolic = c.symbolic;
        EXPECT_EQ(LinesOf(*part), Lines{c.line}) << c.kind;
        EXPECT_EQ(GenericLine(*part), c.line);
    }
}

TEST(PartLines, OpAmpHasGroundAndNeitherValueNorFlag)
{
    EXPECT_EQ(LinesOf(*PartOnNodes('O', "O1", {3, 2, 4})), Lines{"O1 3 0 2 4"});
}

TEST(PartLines, PartsWithoutTerminalsGiveNothing)
{
    for (char kind : {'W', 'T', 't', 'R', 'X'})
        EXPECT_TRUE(LinesOf(*PartOnNodes(kind, "R1", {})).empty()) << kind;
}

TEST(PartLines, HybridBjtOfTheWorkedExample)
{
    auto q = PartOnNodes('Q', "Q1", {1, 0, 2});
    q->Param[0] = 1000;
    q->Param[1] = 0;
    q->Param[2] = 100;
    q->Param[3] = 0.0001;
    q->Symbolic = 0;
    int counter = 1;
    EXPECT_EQ(LinesOf(*q, counter), (Lines{"Rhie_Q1 1 _1 1000 1", "Fhfe_Q1 2 0 _1 0 100 1", "Ghoe_Q1 2 0 0.0001 1"}));
    EXPECT_EQ(counter, 2);
}

TEST(PartLines, HybridBjtWithHreTakesTwoInternalNodes)
{
    auto q = PartOnNodes('Q', "Q1", {1, 3, 2}, true);
    int counter = 4;
    EXPECT_EQ(LinesOf(*q, counter), (Lines{"Rhie_Q1 1 _4 1000 0", "Ehre_Q1 _5 3 2 3 0.00025 0",
                                           "Fhfe_Q1 2 3 _4 _5 100 0", "Ghoe_Q1 2 3 2.5e-05 0"}));
    EXPECT_EQ(counter, 6);
}

TEST(PartLines, HybridPiBjt)
{
    EXPECT_EQ(LinesOf(*PartOnNodes('q', "q1", {1, 0, 2}, true)),
              (Lines{"Gbe_q1 1 0 0.001 0", "Ce_q1 1 0 1e-10 0", "Cc_q1 1 2 3e-12 0", "Gce_q1 2 0 1.25e-05 0",
                     "Hgm_q1 2 0 1 0 0.05 0"}));
}

TEST(PartLines, Mosfet)
{
    EXPECT_EQ(LinesOf(*PartOnNodes('M', "M1", {1, 0, 2}, true)),
              (Lines{"Cgs_M1 1 0 1e-12 0", "Cgd_M1 1 2 1e-12 0", "Hgm_M1 2 0 1 0 0.02 0", "Gd_M1 2 0 2e-05 0",
                     "Cds_M1 2 0 1e-12 0"}));
}

TEST(PartLines, ModelsWithEveryOptionalParameterZero)
{
    EXPECT_EQ(LinesOf(*PartOnNodes('Q', "Q1", {1, 0, 2})), (Lines{"Rhie_Q1 1 _1 1000 0", "Fhfe_Q1 2 0 _1 0 100 0"}));
    EXPECT_EQ(LinesOf(*PartOnNodes('q', "q1", {1, 0, 2})), (Lines{"Gbe_q1 1 0 0.001 0", "Hgm_q1 2 0 1 0 0.05 0"}));
    auto m = PartOnNodes('M', "M1", {1, 0, 2});
    m->Param[3] = 0;
    EXPECT_EQ(LinesOf(*m), (Lines{"Hgm_M1 2 0 1 0 0.02 0", "Gd_M1 2 0 0 0"}));
}

TEST(PartLines, NegativeParametersAreWritten)
{
    auto q = PartOnNodes('q', "q1", {1, 0, 2});
    q->Param[1] = -1e-10;
    q->Param[3] = -2;
    EXPECT_EQ(LinesOf(*q), (Lines{"Gbe_q1 1 0 0.001 0", "Ce_q1 1 0 -1e-10 0", "Gce_q1 2 0 -2 0",
                                  "Hgm_q1 2 0 1 0 0.05 0"}));
}

TEST(PartLines, MutualInductanceCouplesUnderItsOwnName)
{
    auto k = PartOnNodes('K', "K1", {1, 0, 2, 3});
    k->Param[0] = 0.001;
    k->Param[1] = 0.004;
    k->Param[2] = 0.0015;
    EXPECT_EQ(LinesOf(*k), (Lines{"Lp_K1 1 _1 0.001 0", "Ls_K1 2 _3 0.004 0", "K1 _2 0 _3 _4 0.0015 0",
                                  "K1 _4 3 _1 _2 0.0015 0"}));
}

TEST(PartLines, InternalNodesFollowOnePartAfterAnother)
{
    auto q1 = PartOnNodes('Q', "Q1", {1, 0, 2}, true);
    auto q2 = PartOnNodes('Q', "Q2", {2, 0, 3}, true);
    auto k = PartOnNodes('K', "K1", {3, 0, 4, 0});
    int counter = 1;
    Lines all;
    for (const GCompo* part : {q1.get(), q2.get(), k.get()})
        for (const std::string& line : LinesOf(*part, counter))
            all.push_back(line);
    EXPECT_EQ(all[0], "Rhie_Q1 1 _1 1000 0");
    EXPECT_EQ(all[1], "Ehre_Q1 _2 0 2 0 0.00025 0");
    EXPECT_EQ(all[4], "Rhie_Q2 2 _3 1000 0");
    EXPECT_EQ(all[5], "Ehre_Q2 _4 0 3 0 0.00025 0");
    EXPECT_EQ(all[8], "Lp_K1 3 _5 1 0");
    EXPECT_EQ(all[11], "K1 _8 0 _5 _6 1 0");
    EXPECT_EQ(counter, 9);
}

}  // namespace
