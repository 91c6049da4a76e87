#include "engine/Graphs.h"

#include <algorithm>

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

