#pragma once
// A spanning forest over nodes 1..n in one of the two graphs: tells whether an
// edge would close a loop, adds edges and takes them away again in
// backtracking order, and keeps the determinant of the forest's reduced
// incidence matrix (rows: nodes 1..n-1, node n being the reference; columns:
// the edges in the order joined).
//
// Every node carries the label of its component, so the loop test is one
// comparison. A join relabels the smaller component and splices the two
// circular member lists; taking the edge away splits them and relabels back.
// A component's label is one of its own nodes.
//
// The determinant follows the joins by integer elimination, one column per
// join: the column's first non-zero row is swapped into place and multiplied
// into the result, and that pivot row is added to the column's other non-zero
// row. In nodes, the pivot row's component merges into the other endpoint's,
// so each component not holding the reference owns one row position.
#include <cstdint>
#include <vector>

class Graphs {
public:
    explicit Graphs(int n);

    // True when a and b lie in different components (an edge a-b closes no loop).
    bool Separate(int a, int b) const { return label_[a] != label_[b]; }
    // Adds the edge from a to b; only when Separate(a, b).
    void Join(int a, int b);
    // Removes the edge a-b, which must be the most recent join still in place.
    void Unjoin(int a, int b);

    // The determinant of the joined columns: +1 or -1 once they span the
    // nodes as a tree.
    std::int32_t Det() const { return result_; }

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
        int a, b;          // the edge
        int moved;         // a node of the relabelled component
        int kept;          // a node of the other one
        int oldLabel;      // the relabelled component's label before the join
        int oldLast;       // the kept component's last use before the join
        int pivot, other;  // labels of the pivot row's component and the other endpoint's
        int swapped;       // label whose row the pivot took, or -1
        int pivotRow;      // the pivot row's position before the swap
        std::int32_t oldResult;
    };

    void Relabel(int start, int label);
    void Eliminate(int from, int to, Undo& u);
    void Restore(const Undo& u);

    int n_;
    std::vector<int> label_;      // [0] stays 0
    std::vector<int> next_;       // circular list of each component's members
    std::vector<int> size_;       // members of the component of each label
    std::vector<int> last_;       // last use of each label's component
    std::vector<int> row_;        // row position of each label's component
    std::vector<int> owner_;      // label owning each row position
    std::vector<char> reference_; // the label's component holds the reference node
    std::int32_t result_ = 1;
    std::vector<Undo> undo_;      // one per join, the column index being its place
};
