// The spanning forest and the tree-sign determinant.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "DenseDet.h"
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

TEST(GraphsTest, PathDeterminants)
{
    // Path 1-2-3 with reference node 3.
    Graphs g(3);
    g.Join(1, 2);
    g.Join(2, 3);
    EXPECT_EQ(g.Det(), 1);
    g.Unjoin(2, 3);
    g.Join(3, 2);
    EXPECT_EQ(g.Det(), -1);
    g.Unjoin(3, 2);
    g.Unjoin(1, 2);
    g.Join(2, 3);  // the same edges in the other column order
    g.Join(1, 2);
    EXPECT_EQ(g.Det(), -1);
}

// Random spanning trees, joined in random order and orientation, partly taken
// away and joined again in another order, against the dense elimination of the
// incidence matrix with its columns in the order joined.
TEST(GraphsTest, DeterminantAgreesWithDenseElimination)
{
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        const int nodes = 2 + static_cast<int>(random() % 9);
        std::vector<std::pair<int, int>> edges;
        for (int v = 2; v <= nodes; ++v) {
            int u = 1 + static_cast<int>(random() % (v - 1));
            edges.push_back(random() % 2 ? std::make_pair(u, v) : std::make_pair(v, u));
        }
        std::vector<int> relabel(nodes);  // shuffle node numbers, reference included
        std::iota(relabel.begin(), relabel.end(), 1);
        std::shuffle(relabel.begin(), relabel.end(), random);
        for (auto& [a, b] : edges)
            a = relabel[a - 1], b = relabel[b - 1];
        std::shuffle(edges.begin(), edges.end(), random);
        Graphs g(nodes);
        for (auto [a, b] : edges) {
            ASSERT_TRUE(g.Separate(a, b));
            g.Join(a, b);
        }
        const std::size_t keep = random() % edges.size();
        for (std::size_t c = edges.size(); c > keep; --c)
            g.Unjoin(edges[c - 1].first, edges[c - 1].second);
        std::shuffle(edges.begin() + static_cast<long>(keep), edges.end(), random);
        for (std::size_t c = keep; c < edges.size(); ++c)
            g.Join(edges[c].first, edges[c].second);
        const int n = nodes - 1;
        std::vector<std::vector<int>> dense(n, std::vector<int>(n, 0));
        for (int c = 0; c < n; ++c) {
            auto [from, to] = edges[c];
            if (from < nodes)
                dense[from - 1][c] = 1;
            if (to < nodes)
                dense[to - 1][c] = -1;
        }
        ASSERT_EQ(g.Det(), DenseDet(dense)) << "round " << round;
        ASSERT_NE(g.Det(), 0);
    }
}

// A join only previewed answers as the join made: loop tests, the
// determinant of a further join, and what can still be reached.
TEST(GraphsTest, PreviewAnswersAsTheJoin)
{
    std::mt19937 random(5);
    for (int round = 0; round < 2000; ++round) {
        const int n = 3 + static_cast<int>(random() % 8);
        Graphs g(n);
        std::vector<int> last(n + 1, -1);
        for (int x = 1; x <= n; ++x)
            last[x] = static_cast<int>(random() % 10) - 1;
        g.TrackLastUse(last);
        auto node = [&] { return 1 + static_cast<int>(random() % n); };
        for (int step = 0; step < n - 2; ++step) {
            const int a = node(), b = node();
            if (g.Separate(a, b))
                g.Join(a, b);
        }
        const int a = node(), b = node();
        if (!g.Separate(a, b))
            continue;
        const Graphs::Preview p = g.Previewed(a, b);
        Graphs joined = g;
        joined.Join(a, b);
        for (int x = 1; x <= n; ++x) {
            for (int y = 1; y <= n; ++y) {
                ASSERT_EQ(g.SeparateAfter(p, x, y), joined.Separate(x, y)) << "round " << round;
                if (joined.Separate(x, y)) {
                    ASSERT_EQ(g.DetWithAfter(p, x, y), joined.DetWith(x, y)) << "round " << round;
                }
            }
            for (int from = 0; from <= 10; ++from)
                ASSERT_EQ(g.ReachableAfter(p, x, from), joined.Reachable(x, from)) << "round " << round;
        }
    }
}

// The determinant a join would give, and the join itself.
TEST(GraphsTest, DetWithIsTheDeterminantOfTheJoin)
{
    std::mt19937 random(3);
    for (int round = 0; round < 2000; ++round) {
        const int n = 2 + static_cast<int>(random() % 9);
        Graphs g(n);
        for (int step = 0; step < n; ++step) {
            const int a = 1 + static_cast<int>(random() % n), b = 1 + static_cast<int>(random() % n);
            if (!g.Separate(a, b))
                continue;
            const std::int32_t expected = g.DetWith(a, b);
            g.Join(a, b);
            ASSERT_EQ(g.Det(), expected) << "round " << round;
        }
    }
}

}  // namespace
