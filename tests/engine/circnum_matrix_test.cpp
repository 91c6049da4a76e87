// The matrix of the nodal evaluator: minors, values at a frequency, the pivot
// rule and the determinant against independent dense computations.
#include <gtest/gtest.h>

#include <random>

#include "EngineFixture.h"
#include "engine/MATRIX.h"

namespace {

using cd = std::complex<double>;
using Dense = std::vector<std::vector<cd>>;

MATRIX FromDense(const Dense& a)
{
    MATRIX m(static_cast<int>(a.size()));
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < a.size(); ++j)
            m.Add(static_cast<int>(i) + 1, static_cast<int>(j) + 1, a[i][j].real(), a[i][j].imag());
    m.AtFrequency(1.0);
    return m;
}

// Expansion along the first row.
cd Laplace(const Dense& a)
{
    if (a.empty())
        return 1.0;
    cd sum = 0;
    for (std::size_t j = 0; j < a.size(); ++j) {
        if (a[0][j] == 0.0)
            continue;
        Dense minor;
        for (std::size_t i = 1; i < a.size(); ++i) {
            std::vector<cd> row;
            for (std::size_t k = 0; k < a.size(); ++k)
                if (k != j)
                    row.push_back(a[i][k]);
            minor.push_back(row);
        }
        sum += (j % 2 ? -1.0 : 1.0) * a[0][j] * Laplace(minor);
    }
    return sum;
}

// Dense elimination with partial pivoting by modulus.
cd DenseLu(Dense a)
{
    cd det = 1.0;
    const std::size_t n = a.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t p = c;
        for (std::size_t r = c + 1; r < n; ++r)
            if (std::abs(a[r][c]) > std::abs(a[p][c]))
                p = r;
        if (p != c) {
            std::swap(a[p], a[c]);
            det = -det;
        }
        det *= a[c][c];
        for (std::size_t r = c + 1; r < n; ++r) {
            cd f = a[r][c] / a[c][c];
            for (std::size_t k = c; k < n; ++k)
                a[r][k] -= f * a[c][k];
        }
    }
    return det;
}

// A random matrix in which about a third of the entries are zero.
Dense Random(std::size_t n, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> value(-2.0, 2.0);
    std::uniform_int_distribution<int> pattern(0, 2);
    Dense a(n, std::vector<cd>(n, 0.0));
    for (auto& row : a)
        for (cd& z : row)
            if (pattern(generator))
                z = cd(value(generator), value(generator));
    for (std::size_t i = 0; i < n; ++i)
        a[i][i] += cd(0.1, 0.0);
    return a;
}

TEST(MatrixTest, MinorDropsOneRowAndOneColumn)
{
    MATRIX m(3);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            m.Add(i, j, 10 * i + j, 0.0);
    m.Add(0, 2, 99, 0.0);
    m.Add(2, 0, 99, 0.0);
    MATRIX minor(m, 2, 3);
    ASSERT_EQ(minor.Size(), 2);
    EXPECT_EQ(minor.At(1, 1), cd(11));
    EXPECT_EQ(minor.At(1, 2), cd(12));
    EXPECT_EQ(minor.At(2, 1), cd(31));
    EXPECT_EQ(minor.At(2, 2), cd(32));
}

TEST(MatrixTest, AtFrequencyMultipliesTheCoefficientOfS)
{
    MATRIX m(1);
    m.Add(1, 1, 2.0, 3e-6);
    m.AtFrequency(1e3);
    EXPECT_EQ(m.At(1, 1), cd(2.0, 3e-3));
}

TEST(MatrixTest, EmptyMinorHasDeterminantOne)
{
    RecordingHost host;
    MATRIX one(1);
    one.Add(1, 1, 5.0, 0.0);
    MATRIX empty(one, 1, 1);
    EXPECT_EQ(empty.Det(host), cd(1.0));
    EXPECT_TRUE(host.messages.empty());
}

struct PivotCase {
    const char* name;
    std::vector<cd> column;  // column 1 of a matrix whose other entries keep it regular
    int pivot;
};

const PivotCase kPivots[] = {
    {"EqualWeightsTakeTheUpperRow", {0.0, 2.0, -2.0}, 2},
    {"WeightIsTheSumOfBothParts", {cd(3, 4), cd(6, 0), 0.0}, 1},
    {"OnlyStrictlyHeavierReplaces", {cd(1, 1), cd(0, 2), cd(-2, 0)}, 1},
    {"HeavierLowerRowWins", {1.0, 0.0, cd(0, -1.5)}, 3},
};

class PivotTest : public ::testing::TestWithParam<PivotCase> {};

TEST_P(PivotTest, FirstRowOfTheLargestWeight)
{
    Dense a = {{0.0, 1.0, 2.0}, {0.0, 3.0, 1.0}, {0.0, 1.0, 5.0}};
    for (std::size_t i = 0; i < 3; ++i)
        a[i][0] = GetParam().column[i];
    RecordingHost host;
    MATRIX m = FromDense(a);
    cd det = m.Det(host);
    EXPECT_EQ(m.Permutation()[1], GetParam().pivot);
    EXPECT_LE(std::abs(det - Laplace(a)), 1e-12 * std::abs(Laplace(a)));
}

INSTANTIATE_TEST_SUITE_P(Rule, PivotTest, ::testing::ValuesIn(kPivots), ParamName<PivotCase>);

struct SingularCase {
    const char* name;
    Dense matrix;
};

const SingularCase kSingular[] = {
    {"ZeroColumn", {{1.0, 0.0, 2.0}, {3.0, 0.0, 1.0}, {1.0, 0.0, 5.0}}},
    {"ZeroLastPivot", {{1.0, 2.0}, {2.0, 4.0}}},
    {"DependentRows", {{1.0, 2.0, 3.0}, {2.0, 4.0, 6.0}, {0.0, 1.0, 1.0}}},
};

class SingularTest : public ::testing::TestWithParam<SingularCase> {};

TEST_P(SingularTest, ReportsAndGivesZero)
{
    RecordingHost host;
    MATRIX m = FromDense(GetParam().matrix);
    EXPECT_EQ(m.Det(host), cd(0.0));
    EXPECT_EQ(host.messages, std::vector<std::string>{"Singular matrix!"});
}

INSTANTIATE_TEST_SUITE_P(Columns, SingularTest, ::testing::ValuesIn(kSingular), ParamName<SingularCase>);

TEST(MatrixTest, ColumnOfCapacitorsIsZeroAtFrequencyZero)
{
    RecordingHost host;
    MATRIX m(2);
    m.Add(1, 1, 1.0, 0.0);
    m.Add(1, 2, 0.0, 1e-6);
    m.Add(2, 2, 0.0, 2e-6);
    MATRIX atZero = m;
    atZero.AtFrequency(0.0);
    EXPECT_EQ(atZero.Det(host), cd(0.0));
    EXPECT_EQ(host.messages.size(), 1u);
    m.AtFrequency(1e3);
    EXPECT_LE(std::abs(m.Det(host) - cd(0.0, 2e-3)), 1e-15);
}

TEST(MatrixTest, DeterminantOfRandomMatrices)
{
    RecordingHost host;
    for (unsigned seed = 1; seed <= 5; ++seed) {
        Dense small = Random(6, seed);
        MATRIX m = FromDense(small);
        cd expected = Laplace(small);
        EXPECT_LE(std::abs(m.Det(host) - expected), 1e-9 * std::abs(expected)) << "seed " << seed;
        Dense large = Random(40, seed);
        MATRIX l = FromDense(large);
        expected = DenseLu(large);
        EXPECT_LE(std::abs(l.Det(host) - expected), 1e-9 * std::abs(expected)) << "seed " << seed;
    }
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
