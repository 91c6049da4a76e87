#pragma once
// A spanning forest over nodes 1..n: tells whether an edge would close a loop,
// and adds or removes edges in backtracking order.
#include <vector>

class Graphs {
public:
    explicit Graphs(int n);

    // True when a and b lie in different components (an edge a-b closes no loop).
    bool Separate(int a, int b) const { return label_[a] != label_[b]; }
    // Adds the edge a-b; only when Separate(a, b).
    void Join(int a, int b);
    // Removes the edge a-b, which must be in the forest.
    void Unjoin(int a, int b);

    int NodeCount() const { return n_; }

private:
    int n_;
    std::vector<int> label_;   // root of each node's component; [0] stays 0
    std::vector<int> parent_;  // 0 for a root
};
