// The spanning forest and the tree-sign determinant.
#include <gtest/gtest.h>

#include <random>

#include "DenseDet.h"
#include "engine/CDet.h"
#include "engine/Graphs.h"

namespace {

TEST(GraphsTest, NewForestSeparatesEveryPair)
{
    Graphs g(5);
    for (int a = 1; a <= 5; ++a)
        for (int b = 1; b <= 5; ++b)
            EXPECT_EQ(g.Separate(a, b), a != b);
}

TEST(GraphsTest, UnjoinAfterReRootingRestoresComponents)
{
    Graphs g(4);
    g.Join(1, 2);
    g.Join(3, 2);
    EXPECT_FALSE(g.Separate(1, 3));
    g.Unjoin(3, 2);
    EXPECT_TRUE(g.Separate(1, 3));
    EXPECT_FALSE(g.Separate(1, 2));
    g.Unjoin(1, 2);
    EXPECT_TRUE(g.Separate(1, 2));
    EXPECT_TRUE(g.Separate(2, 3));
    EXPECT_TRUE(g.Separate(1, 3));
}

// Random joins and backtracking removals against a plain connectivity search.
TEST(GraphsTest, RandomJoinsAndRemovalsKeepConnectivity)
{
    std::mt19937 random(7);
    const int n = 9;
    for (int round = 0; round < 200; ++round) {
        Graphs g(n);
        std::vector<std::pair<int, int>> edges;
        for (int step = 0; step < 30; ++step) {
            if (!edges.empty() && random() % 3 == 0) {
                g.Unjoin(edges.back().first, edges.back().second);
                edges.pop_back();
            } else {
                int a = 1 + static_cast<int>(random() % n), b = 1 + static_cast<int>(random() % n);
                if (g.Separate(a, b)) {
                    g.Join(a, b);
                    edges.push_back({a, b});
                }
            }
            std::vector<int> comp(n + 1);
            for (int i = 1; i <= n; ++i)
                comp[i] = i;
            for (bool changed = true; changed;) {
                changed = false;
                for (auto [a, b] : edges) {
                    int m = std::min(comp[a], comp[b]);
                    if (comp[a] != m || comp[b] != m) {
                        comp[a] = comp[b] = m;
                        changed = true;
                    }
                }
            }
            for (int a = 1; a <= n; ++a)
                for (int b = 1; b <= n; ++b)
                    ASSERT_EQ(g.Separate(a, b), comp[a] != comp[b]);
        }
    }
}

TEST(CDetTest, SettersIgnoreTheReferenceRow)
{
    CDet d(2);
    d.SetV(2, 0, 1);
    d.SetV(0, 2, 1);
    d.SetV(-1, 0, 1);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            EXPECT_EQ(d.Entry(CDet::Matrix::Voltage, r, c), 0);
}

TEST(CDetTest, PathDeterminants)
{
    // Path 1-2-3, reference node 3: rows 0 and 1.
    CDet d(2);
    auto edge = [&](int column, int from, int to) {
        d.SetV(from - 1, column, 1);
        d.SetV(to - 1, column, -1);
    };
    edge(0, 1, 2);
    edge(1, 2, 3);
    EXPECT_EQ(d.Det(CDet::Matrix::Voltage), 1);
    d.ClearFrom(1);
    edge(1, 3, 2);
    EXPECT_EQ(d.Det(CDet::Matrix::Voltage), -1);
    d.ClearFrom(1);
    EXPECT_EQ(d.Det(CDet::Matrix::Voltage), 0);  // an all-zero column
    d.ClearFrom(0);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            EXPECT_EQ(d.Entry(CDet::Matrix::Voltage, r, c), 0);
}

// Random graphs of n edges on n + 1 nodes (trees, loops, parallel edges)
// against the dense elimination.
TEST(CDetTest, AgreesWithDenseEliminationOnRandomGraphs)
{
    std::mt19937 random(11);
    int trees = 0;
    for (int round = 0; round < 3000; ++round) {
        const int n = 1 + static_cast<int>(random() % 7);
        CDet d(n);
        std::vector<std::vector<int>> dense(n, std::vector<int>(n, 0));
        for (int c = 0; c < n; ++c) {
            int from = static_cast<int>(random() % (n + 1)), to = static_cast<int>(random() % (n + 1));
            if (round % 2 == 0 && c > 0)  // grow a tree half the time
                from = c, to = static_cast<int>(random() % c);
            if (from == to)
                continue;
            d.SetI(from, c, 1);
            d.SetI(to, c, -1);
            if (from < n)
                dense[from][c] = 1;
            if (to < n)
                dense[to][c] = -1;
        }
        int expected = DenseDet(dense);
        trees += expected != 0;
        ASSERT_EQ(d.Det(CDet::Matrix::Current), expected) << "round " << round;
    }
    EXPECT_GT(trees, 500);
}

}  // namespace
