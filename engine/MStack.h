#pragma once
// The partial tree: the element index picked at each depth, first pick at
// depth 0. Picks ascend with the depth, so the last pushed is the largest.
#include <vector>

class MStack {
public:
    explicit MStack(int capacity) : picks_(capacity > 0 ? capacity : 1) {}

    void Push(int index) { picks_[count_++] = index; }
    int Pop() { return picks_[--count_]; }
    int At(int depth) const { return picks_[depth]; }
    int Count() const { return count_; }

private:
    std::vector<int> picks_;
    int count_ = 0;
};
