#pragma once
// A spanning forest over nodes 1..n: tells whether an edge would close a loop,
// and adds edges and takes them away again in backtracking order.
//
// Every node carries the label of its component, so the loop test is one
// comparison. A join relabels the smaller component and splices the two
// circular member lists; taking the edge away splits them and relabels back.
// A component's label is one of its own nodes.
#include <vector>

class Graphs {
public:
    explicit Graphs(int n);

    // True when a and b lie in different components (an edge a-b closes no loop).
    bool Separate(int a, int b) const { return label_[a] != label_[b]; }
    // Adds the edge a-b; only when Separate(a, b).
    void Join(int a, int b);
    // Removes the edge a-b, which must be the most recent join still in place.
    void Unjoin(int a, int b);

    int NodeCount() const { return n_; }

    // Follows, per component, the last candidate index at which any of its
    // nodes has an edge; nodeLast gives that index per node (-1: none).
    void TrackLastUse(const std::vector<int>& nodeLast);
    // Whether the node's component still has a candidate at index from or later,
    // or already spans every node.
    bool Reachable(int node, int from) const
    {
        const int l = label_[node];
        return last_[l] >= from || size_[l] == n_;
    }

private:
    struct Undo {
        int a, b;       // the edge
        int moved;      // a node of the relabelled component
        int kept;       // a node of the other one
        int oldLabel;   // the relabelled component's label before the join
        int oldLast;    // the kept component's last use before the join
    };

    void Relabel(int start, int label);

    int n_;
    std::vector<int> label_;  // [0] stays 0
    std::vector<int> next_;   // circular list of each component's members
    std::vector<int> size_;   // members of the component of each label
    std::vector<Undo> undo_;
    std::vector<int> last_;   // last use of each label's component
};
