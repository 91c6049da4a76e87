#include "engine/Graphs.h"

#include <algorithm>
#include <cassert>
#include <utility>

Graphs::Graphs(int n) : n_(n), node_(n + 1), part_(n + 1), owner_(n + 1, 0), undo_(n > 0 ? n : 1)
{
    for (int i = 0; i <= n; ++i) {
        node_[i] = {i, i};
        part_[i] = {1, 0, i > 0 && i < n ? i - 1 : n, 0};
        if (i > 0 && i < n)
            owner_[i - 1] = i;
    }
}

void Graphs::TrackLastUse(const std::vector<int>& nodeLast)
{
    for (int i = 1; i <= n_; ++i)
        part_[i].last = -1;
    for (int i = 1; i <= n_; ++i) {
        int& last = part_[node_[i].label].last;
        last = std::max(last, nodeLast[i]);
    }
}

void Graphs::Relabel(int start, int label)
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
void Graphs::Join(int a, int b)
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

void Graphs::Unjoin([[maybe_unused]] int a, [[maybe_unused]] int b)
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
