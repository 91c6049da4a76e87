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
#include <algorithm>
#include <cassert>
#include <cstdint>
#include <utility>
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

    // A join looked at without making it: the loop tests, determinants and
    // reachability after it follow from a few numbers.
    struct Preview {
        int into, away;           // a's label, and b's, which the join would merge into it
        int row;                  // the merged component's row position
        int swapped, swappedRow;  // the label moved by the pivot row's swap, and its row
        int last;                 // the merged component's last use
        int column;               // the column of a further join
        std::int32_t result;      // the determinant
    };
    Preview Previewed(int a, int b) const;
    bool SeparateAfter(const Preview& p, int a, int b) const { return LabelAfter(p, a) != LabelAfter(p, b); }
    std::int32_t DetWithAfter(const Preview& p, int a, int b) const
    {
        const int ra = RowAfter(p, LabelAfter(p, a)), rb = RowAfter(p, LabelAfter(p, b));
        const bool pivotIsFrom = ra < rb;
        const std::int32_t result = pivotIsFrom ? p.result : -p.result;
        return (pivotIsFrom ? ra : rb) != p.column ? -result : result;
    }
    bool ReachableAfter(const Preview& p, int node, int from) const
    {
        const int l = LabelAfter(p, node);
        return (l == p.into ? p.last : part_[l].last) >= from;
    }

private:
    int LabelAfter(const Preview& p, int node) const
    {
        const int l = node_[node].label;
        return l == p.away ? p.into : l;
    }
    int RowAfter(const Preview& p, int label) const
    {
        return label == p.into ? p.row : label == p.swapped ? p.swappedRow : part_[label].row;
    }

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

// Join and Unjoin run for nearly every step of the enumeration: inline.
inline Graphs::Preview Graphs::Previewed(int a, int b) const
{
    const int la = node_[a].label, lb = node_[b].label;
    const bool pivotIsFrom = part_[la].row < part_[lb].row;
    const int pivot = pivotIsFrom ? la : lb, other = pivotIsFrom ? lb : la;
    const int pivotRow = part_[pivot].row;
    const int swapped = owner_[joins_];
    const std::int32_t result = pivotIsFrom ? result_ : -result_;
    return {la, lb, other == swapped ? pivotRow : part_[other].row, swapped, pivotRow,
            std::max(part_[la].last, part_[lb].last), joins_ + 1, pivotRow != joins_ ? -result : result};
}

inline void Graphs::Relabel(int start, int label)
{
    Node* node = node_.data();
    int i = start;
    do {
        node[i].label = label;
        i = node[i].next;
    } while (i != start);
}

// The elimination step of the new column a -> b comes first: exactly one or
// two of its rows are non-zero, and the smaller row position is the pivot
// (the reference's component has none). Then the smaller component takes the
// other's label.
inline void Graphs::Join(int a, int b)
{
    assert(joins_ < static_cast<int>(undo_.size()) && Separate(a, b));
    Node* node = node_.data();
    Part* part = part_.data();
    int* owner = owner_.data();
    Undo& u = undo_[static_cast<std::size_t>(joins_)];
    const int column = joins_++;
    const int la = node[a].label, lb = node[b].label;
    const bool pivotIsFrom = part[la].row < part[lb].row;
    const int pivot = pivotIsFrom ? la : lb, other = pivotIsFrom ? lb : la;
    const int pivotRow = part[pivot].row;
    // Swapping the pivot row into place; a pivot already there swaps with itself.
    const int swapped = owner[column];
    owner[column] = pivot;
    part[pivot].row = column;
    owner[pivotRow] = swapped;
    part[swapped].row = pivotRow;
    u.pivot = pivot;
    u.pivotRow = pivotRow;
    u.swapped = swapped;
    u.oldResult = result_;
    const std::int32_t result = pivotIsFrom ? result_ : -result_;
    result_ = pivotRow != column ? -result : result;

    const bool moveA = part[la].size <= part[lb].size;
    const int moved = moveA ? a : b, kept = moveA ? b : a;
    const int oldLabel = moveA ? la : lb, newLabel = moveA ? lb : la;
    u.moved = moved;
    u.kept = kept;
    u.oldLabel = oldLabel;
    u.oldLast = part[newLabel].last;
    part[newLabel].size += part[oldLabel].size;
    part[newLabel].last = std::max(part[newLabel].last, part[oldLabel].last);
    // The merged component keeps the other endpoint's row, or the reference.
    if (newLabel == pivot) {
        part[newLabel].row = part[other].row;
        owner[part[other].row] = newLabel;
    }
    Relabel(moved, newLabel);
    std::swap(node[moved].next, node[kept].next);
}

inline void Graphs::Unjoin([[maybe_unused]] int a, [[maybe_unused]] int b)
{
    assert(joins_ > 0 && !Separate(a, b));
    Node* node = node_.data();
    Part* part = part_.data();
    int* owner = owner_.data();
    const Undo& u = undo_[static_cast<std::size_t>(--joins_)];
    const int column = joins_;
    const int label = node[u.kept].label;
    if (label == u.pivot) {  // the other component was the relabelled one
        owner[part[u.oldLabel].row] = u.oldLabel;
        part[u.pivot].row = column;
    }
    owner[column] = u.swapped;
    part[u.swapped].row = column;
    owner[u.pivotRow] = u.pivot;
    part[u.pivot].row = u.pivotRow;
    result_ = u.oldResult;
    std::swap(node[u.moved].next, node[u.kept].next);
    part[label].size -= part[u.oldLabel].size;
    part[label].last = u.oldLast;
    Relabel(u.moved, u.oldLabel);
}
