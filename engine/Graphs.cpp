#include "engine/Graphs.h"

Graphs::Graphs(int n) : n_(n), label_(n + 1), parent_(n + 1, 0)
{
    for (int i = 0; i <= n; ++i)
        label_[i] = i;
}

void Graphs::Join(int a, int b)
{
    const int la = label_[a];
    const int lb = label_[b];
    int* label = label_.data();
    for (int i = 1; i <= n_; ++i)
        label[i] = label[i] == lb ? la : label[i];
    // Re-root b's tree at b, then hang it below a.
    int prev = b;
    int cur = parent_[b];
    while (cur != 0) {
        int next = parent_[cur];
        parent_[cur] = prev;
        prev = cur;
        cur = next;
    }
    parent_[b] = a;
}

void Graphs::Unjoin(int a, int b)
{
    const int child = parent_[b] == a ? b : a;
    parent_[child] = 0;
    label_[child] = child;
    // The former subtree of child takes its label, level by level.
    bool changed = true;
    while (changed) {
        changed = false;
        for (int i = 1; i <= n_; ++i) {
            if (i == child || label_[i] == child)
                continue;
            if (label_[parent_[i]] == child) {
                label_[i] = child;
                changed = true;
            }
        }
    }
}
