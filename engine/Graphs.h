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

    // Whether the forest together with count more edges would connect every
    // node; ends(k, a, b) gives the nodes of edge k.
    template <class Ends>
    bool SpansWith(int count, Ends ends) const
    {
        int parts = 0;
        for (int i = 1; i <= n_; ++i) {
            scratch_[i] = i;
            parts += label_[i] == i;
        }
        for (int k = 0; k < count && parts > 1; ++k) {
            int a, b;
            ends(k, a, b);
            a = Find(label_[a]);
            b = Find(label_[b]);
            if (a != b) {
                scratch_[a] = b;
                --parts;
            }
        }
        return parts <= 1;
    }

private:
    int Find(int x) const
    {
        while (scratch_[x] != x)
            x = scratch_[x] = scratch_[scratch_[x]];
        return x;
    }

    struct Undo {
        int a, b;       // the edge
        int moved;      // a node of the relabelled component
        int kept;       // a node of the other one
        int oldLabel;   // the relabelled component's label before the join
    };

    void Relabel(int start, int label);

    int n_;
    std::vector<int> label_;  // [0] stays 0
    std::vector<int> next_;   // circular list of each component's members
    std::vector<int> size_;   // members of the component of each label
    std::vector<Undo> undo_;
    mutable std::vector<int> scratch_;  // union-find over labels for SpansWith
};
