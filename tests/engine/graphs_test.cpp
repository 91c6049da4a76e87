// The spanning forest and the tree-sign determinant.
#include <gtest/gtest.h>

#include <algorithm>
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

TEST(CDetTest, PathDeterminants)
{
    // Path 1-2-3 with reference node 3.
    CDet d(3);
    const auto v = CDet::Matrix::Voltage;
    d.Add(v, 1, 2);
    d.Add(v, 2, 3);
    EXPECT_EQ(d.Det(v), 1);
    d.Remove(v);
    d.Add(v, 3, 2);
    EXPECT_EQ(d.Det(v), -1);
    d.Remove(v);
    d.Add(v, 1, 2);  // parallel to the first column: a loop
    EXPECT_EQ(d.Det(v), 0);
    d.Remove(v);
    d.Remove(v);
    d.Add(v, 3, 3);  // an all-zero column
    EXPECT_EQ(d.Det(v), 0);
    d.Remove(v);
    EXPECT_EQ(d.Det(v), 1);
    EXPECT_EQ(d.Det(CDet::Matrix::Current), 1);
}

// Random graphs of n edges on n + 1 nodes (trees, loops, parallel edges, edges
// at the reference) against the dense elimination, columns added, partly
// removed and added again in another order.
TEST(CDetTest, AgreesWithDenseEliminationOnRandomGraphs)
{
    std::mt19937 random(11);
    int trees = 0;
    for (int round = 0; round < 3000; ++round) {
        const int n = 1 + static_cast<int>(random() % 8);  // rows; node n + 1 is the reference
        std::vector<std::pair<int, int>> edges;
        for (int c = 0; c < n; ++c) {
            int from = 1 + static_cast<int>(random() % (n + 1)), to = 1 + static_cast<int>(random() % (n + 1));
            if (round % 2 == 0 && c > 0)  // grow a tree half the time
                from = c + 1, to = 1 + static_cast<int>(random() % (c + 1));
            edges.push_back({from, to});
        }
        CDet d(n + 1);
        const auto m = CDet::Matrix::Current;
        int keep = static_cast<int>(random() % (n + 1));
        for (auto [from, to] : edges)
            d.Add(m, from, to);
        for (int c = n; c > keep; --c)
            d.Remove(m);
        std::shuffle(edges.begin() + keep, edges.end(), random);
        for (int c = keep; c < n; ++c)
            d.Add(m, edges[c].first, edges[c].second);
        std::vector<std::vector<int>> dense(n, std::vector<int>(n, 0));
        for (int c = 0; c < n; ++c) {
            auto [from, to] = edges[c];
            if (from == to)
                continue;
            if (from <= n)
                dense[from - 1][c] = 1;
            if (to <= n)
                dense[to - 1][c] = -1;
        }
        int expected = DenseDet(dense);
        trees += expected != 0;
        ASSERT_EQ(d.Det(m), expected) << "round " << round;
        EXPECT_EQ(d.Det(CDet::Matrix::Voltage), 1);
    }
    EXPECT_GT(trees, 300);
}

}  // namespace
