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
// so each component not holding the reference owns one row position; the
// reference's component has the row position n, below every real row.
#include <cstdint>
#include <vector>

class Graphs {
public:
    explicit Graphs(int n);

    // True when a and b lie in different components (an edge a-b closes no loop).
    bool Separate(int a, int b) const { return node_[a].label != node_[b].label; }
    // Adds the edge from a to b; only when Separate(a, b).
    void Join(int a, int b);
    // Removes the edge a-b, which must be the most recent join still in place.
    void Unjoin(int a, int b);

    // The determinant of the joined columns: +1 or -1 once they span the
    // nodes as a tree.
    std::int32_t Det() const { return result_; }
    // The determinant that Join(a, b) would give, without joining.
    std::int32_t DetWith(int a, int b) const
    {
        const int la = node_[a].label, lb = node_[b].label;
        const bool pivotIsFrom = part_[la].row < part_[lb].row;
        const std::int32_t result = pivotIsFrom ? result_ : -result_;
        return part_[pivotIsFrom ? la : lb].row != joins_ ? -result : result;
    }

    int NodeCount() const { return n_; }

    // Follows, per component, the last candidate index at which any of its
    // nodes has an edge; nodeLast gives that index per node (-1: none).
    void TrackLastUse(const std::vector<int>& nodeLast);
    // Whether the node's component still has a candidate at index from or
    // later. (A component spanning every node needs none; the enumeration
    // never asks about one.)
    bool Reachable(int node, int from) const { return part_[node_[node].label].last >= from; }
    // Whether the component that Join(a, b) would make has one.
    bool ReachableJoined(int a, int b, int from) const
    {
        return part_[node_[a].label].last >= from || part_[node_[b].label].last >= from;
    }

private:
    struct Node {
        int label;  // its component's; [0] stays 0
        int next;   // circular list of each component's members
    };
    struct Part {   // of the component a label names
        int size;   // members
        int last;   // last use
        int row;    // row position (n: the reference's component)
        int unused; // makes the size a power of two
    };
    struct Undo {
        int moved;         // a node of the relabelled component
        int kept;          // a node of the other one
        int oldLabel;      // the relabelled component's label before the join
        int oldLast;       // the kept component's last use before the join
        int pivot;         // label of the pivot row's component
        int swapped;       // label whose row the pivot took (the pivot itself when none)
        int pivotRow;      // the pivot row's position before the swap
        std::int32_t oldResult;
    };

    void Relabel(int start, int label);

    int n_;
    std::vector<Node> node_;
    std::vector<Part> part_;
    std::vector<int> owner_;      // label owning each row position ([n]: unused)
    std::int32_t result_ = 1;
    int joins_ = 0;               // edges in place, the next column's index
    std::vector<Undo> undo_;      // one per edge in place, by column
};
