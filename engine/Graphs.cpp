#include "engine/Graphs.h"

#include <algorithm>
#include <cassert>
#include <utility>

Graphs::Graphs(int n)
    : n_(n), label_(n + 1), next_(n + 1), size_(n + 1, 1), last_(n + 1, 0), row_(n + 1, -1),
      owner_(n > 0 ? n - 1 : 0), reference_(n + 1, 0)
{
    for (int i = 0; i <= n; ++i)
        label_[i] = next_[i] = i;
    for (int i = 1; i < n; ++i) {
        row_[i] = i - 1;
        owner_[i - 1] = i;
    }
    if (n > 0)
        reference_[n] = 1;
    undo_.reserve(n);
}

void Graphs::TrackLastUse(const std::vector<int>& nodeLast)
{
    for (int i = 1; i <= n_; ++i)
        last_[i] = -1;
    for (int i = 1; i <= n_; ++i)
        last_[label_[i]] = std::max(last_[label_[i]], nodeLast[i]);
}

void Graphs::Relabel(int start, int label)
{
    int i = start;
    do {
        label_[i] = label;
        i = next_[i];
    } while (i != start);
}

// One elimination step for the new column from -> to, whose endpoints lie in
// different components, so exactly one or two of their rows are non-zero.
void Graphs::Eliminate(int from, int to, Undo& u)
{
    const int column = static_cast<int>(undo_.size());
    const int la = label_[from], lb = label_[to];
    const bool pivotIsFrom = !reference_[la] && (reference_[lb] || row_[la] < row_[lb]);
    u.pivot = pivotIsFrom ? la : lb;
    u.other = pivotIsFrom ? lb : la;
    u.oldResult = result_;
    u.pivotRow = row_[u.pivot];
    u.swapped = -1;
    std::int32_t result = pivotIsFrom ? result_ : -result_;
    if (u.pivotRow != column) {
        u.swapped = owner_[column];
        owner_[column] = u.pivot;
        row_[u.pivot] = column;
        owner_[u.pivotRow] = u.swapped;
        row_[u.swapped] = u.pivotRow;
        result = -result;
    }
    result_ = result;
}

void Graphs::Join(int a, int b)
{
    Undo u;
    Eliminate(a, b, u);
    u.a = a;
    u.b = b;
    u.moved = a;
    u.kept = b;
    if (size_[label_[a]] > size_[label_[b]])
        std::swap(u.moved, u.kept);
    u.oldLabel = label_[u.moved];
    const int newLabel = label_[u.kept];
    u.oldLast = last_[newLabel];
    size_[newLabel] += size_[u.oldLabel];
    last_[newLabel] = std::max(last_[newLabel], last_[u.oldLabel]);
    // The merged component keeps the other endpoint's row, or the reference.
    if (newLabel == u.pivot) {
        reference_[newLabel] = reference_[u.other];
        if (!reference_[u.other]) {
            row_[newLabel] = row_[u.other];
            owner_[row_[u.other]] = newLabel;
        }
    }
    Relabel(u.moved, newLabel);
    std::swap(next_[u.moved], next_[u.kept]);
    undo_.push_back(u);
}

void Graphs::Restore(const Undo& u)
{
    const int column = static_cast<int>(undo_.size());
    if (label_[u.kept] == u.pivot) {
        reference_[u.pivot] = 0;
        if (!reference_[u.other])
            owner_[row_[u.other]] = u.other;
        row_[u.pivot] = column;
    }
    if (u.swapped >= 0) {
        owner_[column] = u.swapped;
        row_[u.swapped] = column;
        owner_[u.pivotRow] = u.pivot;
        row_[u.pivot] = u.pivotRow;
    }
    result_ = u.oldResult;
}

void Graphs::Unjoin([[maybe_unused]] int a, [[maybe_unused]] int b)
{
    assert(!undo_.empty() && undo_.back().a == a && undo_.back().b == b);
    const Undo u = undo_.back();
    undo_.pop_back();
    Restore(u);
    std::swap(next_[u.moved], next_[u.kept]);
    size_[label_[u.kept]] -= size_[u.oldLabel];
    last_[label_[u.kept]] = u.oldLast;
    Relabel(u.moved, u.oldLabel);
}
