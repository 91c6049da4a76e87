// The engine's file bytes against a plain transcription of the enumeration:
// dense sign matrices, a ring-buffer stack searched slot by slot, and the
// impedance list kept as decimal texts; on one thread and spread over several.
#include <gtest/gtest.h>

#include <cstring>

#include "DenseDet.h"
#include "EngineFixture.h"
#include "engine/Graphs.h"

namespace {

class Reference {
public:
    explicit Reference(const Circuito& c) : c_(c), n_(static_cast<int>(c.NodeNames().size())) {}

    std::string Section(bool numerator)
    {
        Graphs vg(n_), cg(n_);
        v_.assign(n_ - 1, std::vector<int>(n_ - 1, 0));
        i_ = v_;
        auto fix = [&](Graphs& g, std::vector<std::vector<int>>& m, int col, int from, int to) {
            EXPECT_TRUE(g.Separate(from, to));
            g.Join(from, to);
            Set(m, from - 1, col, 1);
            Set(m, to - 1, col, -1);
        };
        if (numerator)
            fix(vg, v_, 0, c_.OutputNode(), c_.OutputReferenceNode());
        else
            fix(vg, v_, 0, c_.PortNode(), c_.InputNode());
        fix(cg, i_, 0, c_.PortNode(), c_.InputNode());
        const auto& nullors = c_.Nullors();
        for (std::size_t k = 0; k < nullors.size(); ++k) {
            fix(vg, v_, static_cast<int>(k) + 1, nullors[k].vFrom, nullors[k].vTo);
            fix(cg, i_, static_cast<int>(k) + 1, nullors[k].iFrom, nullors[k].iTo);
        }
        std::vector<std::string> impedances;
        const auto& e = c_.Elements();
        for (std::size_t k = 0; k < e.size(); ++k)
            if (e[k].impedance)
                impedances.push_back(std::to_string(k));
        const int K = n_ - 2 - static_cast<int>(nullors.size());
        const int M = static_cast<int>(e.size());
        std::string out;
        std::vector<int> buffer(K > 0 ? K : 1);
        int head = 0, count = 0, controlled = 0;
        auto push = [&](int x) {
            head = head - 1 < 0 ? K - 1 : head - 1;
            buffer[head] = x;
            ++count;
        };
        auto pop = [&]() {
            int x = buffer[head % K];
            head = head + 1 == K ? 0 : head + 1;
            --count;
            vg.Unjoin(e[x].vFrom, e[x].vTo);
            cg.Unjoin(e[x].iFrom, e[x].iTo);
            if (e[x].controlled)
                --controlled;
            return x;
        };
        auto contains = [&](int x) {
            for (int s = 0; s < K; ++s)
                if (buffer[s] == x)
                    return true;
            return false;
        };
        auto emit = [&]() {
            double coefficient = 1.0;
            if (controlled || !nullors.empty() || numerator) {
                auto vm = v_, im = i_;
                for (int k = 0; k < count; ++k) {
                    const Componente& x = e[buffer[(head + k) % K]];
                    int col = 1 + static_cast<int>(nullors.size()) + k;
                    Set(vm, x.vFrom - 1, col, 1);
                    Set(vm, x.vTo - 1, col, -1);
                    Set(im, x.iFrom - 1, col, 1);
                    Set(im, x.iTo - 1, col, -1);
                }
                coefficient = DenseDet(im) * DenseDet(vm);
            }
            std::string symbols;
            int power = 0;
            auto contribute = [&](int x) {
                if (e[x].symbolic)
                    symbols += static_cast<char>(c_.SymbolMap()[x]);
                else
                    coefficient *= e[x].value;
                power += e[x].reactive;
            };
            for (int k = 0; k < count; ++k)
                if (!e[buffer[(head + k) % K]].impedance)
                    contribute(buffer[(head + k) % K]);
            for (const std::string& text : impedances)
                if (K == 0 || !contains(std::stoi(text)))
                    contribute(std::stoi(text));
            out += static_cast<char>(symbols.size());
            char bytes[8];
            std::memcpy(bytes, &coefficient, 8);
            out.append(bytes, 8);
            out += static_cast<char>(power);
            out += symbols;
        };
        if (K == 0) {
            emit();
            return out + std::string(10, '\0');
        }
        int j = 0;
        for (;;) {
            if (count == K) {
                emit();
                j = pop() + 1;
            }
            bool accepted = false;
            while (j < M && count + (M - j) >= K) {
                if (vg.Separate(e[j].vFrom, e[j].vTo) && cg.Separate(e[j].iFrom, e[j].iTo)) {
                    vg.Join(e[j].vFrom, e[j].vTo);
                    cg.Join(e[j].iFrom, e[j].iTo);
                    push(j);
                    controlled += e[j].controlled;
                    ++j;
                    accepted = true;
                    break;
                }
                ++j;
            }
            if (accepted)
                continue;
            if (count == 0)
                break;
            j = pop() + 1;
        }
        return out + std::string(10, '\0');
    }

private:
    void Set(std::vector<std::vector<int>>& m, int row, int col, int value)
    {
        if (row < n_ - 1 && col < n_ - 1)
            m[row][col] = value;
    }

    const Circuito& c_;
    int n_;
    std::vector<std::vector<int>> v_, i_;
};

using Case = NamedCircuit;

const Case kCases[] = {
    {"Ladder", "t\nV1 1 0 1 1\nR1 1 2 1 0\nC1 2 0 1 0\nR2 2 3 1 0\nC2 3 0 1 0\nR3 3 4 1 0\nC3 4 0 1 0\n"
               "L4 4 5 1 0\nC4 5 0 1 0\n.OUT 5"},
    {"MixedNumeric", "t\nV1 1 0 3 1\nR1 1 2 10 1\nC1 2 0 2 0\nR2 2 3 1 0\nC2 3 0 1e-3 1\nG3 3 0 4 0\n.OUT 3"},
    {"HybridPi", "t\nV1 1 0 1 1\nRs 1 2 50 0\nRpi 2 0 1000 0\nCpi 2 0 1e-12 0\nCmu 2 3 1e-13 0\n"
                 "H1 3 0 2 0 0.04 0\nRo 3 0 1e5 0\nRL 3 0 1000 0\n.OUT 3"},
    {"TwoStages", "t\nV1 1 0 1 1\nRs 1 2 50 0\nRb1 2 10 100 0\nRpi1 10 11 2500 0\nCpi1 10 11 1e-11 0\n"
                  "Cmu1 10 12 1e-12 0\nHgm1 12 11 10 11 0.04 0\nRo1 12 11 1e5 0\nRe1 11 0 100 0\nCe1 11 0 1e-5 0\n"
                  "Rc1 12 0 4700 0\nCc1 12 13 1e-6 0\nRb2 13 20 100 0\nRpi2 20 21 2500 0\nCpi2 20 21 1e-11 0\n"
                  "Cmu2 20 22 1e-12 0\nHgm2 22 21 20 21 0.04 0\nRo2 22 21 1e5 0\nRe2 21 0 100 0\nRc2 22 0 4700 0\n"
                  "Rf 22 10 1e5 0\nRL 22 0 10000 0\n.OUT 22"},
    {"Controlled", "t\nI1 0 1 1 1\nR1 1 0 1 0\nE1 2 0 1 0 3 0\nF1 3 0 2 4 2 0\nR4 4 0 5 0\nY1 5 0 3 0 7 0\n"
                   "R5 5 6 1 0\nK1 6 0 1 9 2 0\nR9 9 0 3 1\nN1 6 0 7 0 2 0\nC7 7 0 1 0\nO1 8 0 8 7\nR8 8 10 1 0\n"
                   ".IOUT 10 0"},
    // Thousands of terms: every element kind, symbolic and numeric.
    {"ControlledLarge", "t\nI1 0 1 1 1\nR1 1 0 1 0\nE1 2 0 1 0 3 0\nF1 3 0 2 4 2 0\nR4 4 0 5 0\nY1 5 0 3 0 7 0\n"
                        "R5 5 6 1 0\nK1 6 0 1 9 2 0\nR9 9 0 3 1\nN1 6 0 7 0 2 0\nC7 7 0 1 0\nO1 8 0 8 7\n"
                        "R8 8 10 1 0\nRa 1 11 2 0\nCa 11 0 1 0\nLa 11 12 1 0\nGa 12 0 3 0\nRb 12 13 2 1\n"
                        "Cb 13 0 1 0\nLb 13 14 4 0\nGb 14 0 1 0\nRc 14 15 1 0\nCc 15 0 2 1\nLc 15 3 1 0\n"
                        "Cd 12 5 1 0\nRe 13 7 2 0\nH1 16 0 14 0 5 0\nRf 16 17 1 0\nCf 17 0 1 0\nLf 17 6 2 0\n"
                        "Gg 16 2 1 1\n.IOUT 10 0"},
    {"AmplifierChain", "t\nV1 1 0 1 1\nRs 1 2 50 0\nC1 2 3 1e-6 0\nR1 3 0 1e4 0\nH1 4 5 3 5 0.04 0\n"
                       "Ro 4 5 5e4 0\nRe 5 0 100 1\nLe 5 0 1e-3 0\nCm 3 4 2e-12 0\nE1 6 0 4 0 2 0\nR2 6 7 1e3 0\n"
                       "C7 7 0 1e-9 0\nR7 7 17 1e3 0\nC17 17 0 1e-9 1\nL17 17 18 1e-3 0\nG18 18 0 1e-3 0\n"
                       "F1 8 0 18 9 3 0\nR9 9 0 10 1\nG8 8 0 1e-3 0\nC8 8 0 1e-9 0\nY1 10 0 8 0 1e3 0\n"
                       "R10 10 11 100 0\nK1 11 0 4 12 1e-3 0\nR12 12 0 50 0\nN1 11 0 13 0 3 0\nR13 13 14 1e3 0\n"
                       "C14 14 0 1e-9 0\nO1 15 0 0 14\nR15 14 15 1e4 0\nL15 15 16 1e-3 0\nR16 16 0 1e3 0\n"
                       "Rf 16 3 1e5 0\n.OUT 16"},
    {"MixedLadder", "t\nV1 1 0 2 1\nR1 1 2 10 1\nC1 2 0 2 0\nL2 2 3 3 1\nG2 3 0 4 0\nR3 3 4 5 0\nC3 4 0 6 1\n"
                    "L4 4 5 7 0\nG4 5 0 8 1\nR5 5 6 9 1\nC5 6 0 1e-3 0\nL6 6 7 2 0\nG6 7 0 0.5 1\nR7 7 8 3 0\n"
                    "C7 8 0 4 1\nR8 8 9 1 1\nC8 9 0 2 0\nL9 9 10 3 1\nG9 10 0 4 0\n.OUT 10"},
};

class ReferenceEnumerationTest : public ::testing::TestWithParam<Case> {};

TEST_P(ReferenceEnumerationTest, SameBytes)
{
    TempFolder folder;
    RecordingHost host;
    std::string path = folder.Write("c.crc", GetParam().circuit);
    std::string expected;
    {
        RecordingHost quiet;
        Circuito parsed(path, false, quiet);
        ASSERT_TRUE(parsed.Ok());
        Reference reference(parsed);
        expected = reference.Section(true) + reference.Section(false);
    }
    EngineRun run = RunEngine(path, host, false, OneThread());
    ASSERT_TRUE(run.ok);
    EXPECT_GT(run.denominatorTerms, 0u);
    EXPECT_EQ(ReadBytes(folder / "c.fdt"), expected);
    const std::string par = ReadBytes(folder / "c.par");
    for (const Circuito::WalkSettings& settings : {Spread(2, 1), Spread(4, 7)}) {
        EngineRun spread = RunEngine(path, host, false, settings);
        ASSERT_TRUE(spread.ok);
        EXPECT_EQ(ReadBytes(folder / "c.fdt"), expected) << settings.workers << " workers";
        EXPECT_EQ(ReadBytes(folder / "c.par"), par) << settings.workers << " workers";
    }
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Circuits, ReferenceEnumerationTest, ::testing::ValuesIn(kCases), ParamName<Case>);

}  // namespace
