#pragma once
// The partial tree: a bounded stack of element indexes in a ring buffer.
// Walking it yields the most recently pushed element first.
#include <vector>

class MStack {
public:
    explicit MStack(int capacity) : buffer_(capacity > 0 ? capacity : 1), capacity_(capacity) {}

    void Push(int index)
    {
        head_ = head_ == 0 ? capacity_ - 1 : head_ - 1;
        buffer_[head_] = index;
        ++count_;
    }
    int Pop()
    {
        int index = buffer_[head_];
        head_ = head_ + 1 == capacity_ ? 0 : head_ + 1;
        --count_;
        return index;
    }
    // The i-th entry of the walk, 0 being the last pushed.
    int At(int i) const
    {
        int k = head_ + i;
        return buffer_[k >= capacity_ ? k - capacity_ : k];
    }
    int Count() const { return count_; }
    int Capacity() const { return capacity_; }
    bool Empty() const { return count_ == 0; }
    bool Full() const { return count_ == capacity_; }

private:
    std::vector<int> buffer_;
    int head_ = 0;
    int capacity_;
    int count_ = 0;
};
