#include "engine/Graphs.h"

#include <algorithm>
#include <cassert>
#include <utility>

Graphs::Graphs(int n) : n_(n), label_(n + 1), next_(n + 1), size_(n + 1, 1), last_(n + 1, 0)
{
    for (int i = 0; i <= n; ++i)
        label_[i] = next_[i] = i;
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

void Graphs::Join(int a, int b)
{
    int moved = a, kept = b;
    if (size_[label_[a]] > size_[label_[b]])
        std::swap(moved, kept);
    const int oldLabel = label_[moved];
    const int newLabel = label_[kept];
    undo_.push_back({a, b, moved, kept, oldLabel, last_[newLabel]});
    size_[newLabel] += size_[oldLabel];
    last_[newLabel] = std::max(last_[newLabel], last_[oldLabel]);
    Relabel(moved, newLabel);
    std::swap(next_[moved], next_[kept]);
}

void Graphs::Unjoin([[maybe_unused]] int a, [[maybe_unused]] int b)
{
    assert(!undo_.empty() && undo_.back().a == a && undo_.back().b == b);
    const Undo u = undo_.back();
    undo_.pop_back();
    std::swap(next_[u.moved], next_[u.kept]);
    size_[label_[u.kept]] -= size_[u.oldLabel];
    last_[label_[u.kept]] = u.oldLast;
    Relabel(u.moved, u.oldLabel);
}
