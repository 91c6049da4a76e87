#include "engine/CDet.h"

CDet::CDet(int nodes) : current_(nodes), voltage_(nodes) {}

void CDet::Add(Matrix which, int from, int to) { (which == Matrix::Current ? current_ : voltage_).Add(from, to); }

void CDet::Remove(Matrix which) { (which == Matrix::Current ? current_ : voltage_).Remove(); }

std::int32_t CDet::Det(Matrix which) const
{
    return (which == Matrix::Current ? current_ : voltage_).Result();
}

CDet::Elimination::Elimination(int nodes)
    : parent_(nodes + 1), rank_(nodes + 1, 0), reference_(nodes + 1, 0), position_(nodes + 1, -1),
      owner_(nodes > 0 ? nodes - 1 : 0)
{
    for (int x = 0; x <= nodes; ++x)
        parent_[x] = x;
    for (int x = 1; x < nodes; ++x) {
        position_[x] = x - 1;
        owner_[x - 1] = x;
    }
    if (nodes > 0)
        reference_[nodes] = 1;
    log_.reserve(16 * (nodes + 1));
    marks_.reserve(nodes + 1);
}

int CDet::Elimination::Find(int x) const
{
    while (parent_[x] != x)
        x = parent_[x];
    return x;
}

void CDet::Elimination::Set(int& where, int value)
{
    log_.push_back({&where, where});
    where = value;
}

void CDet::Elimination::Add(int from, int to)
{
    marks_.push_back(log_.size());
    const int i = columns_++;
    if (result_ == 0)
        return;
    const int a = Find(from);
    const int b = Find(to);
    const bool rowA = !reference_[a], rowB = !reference_[b];
    if (a == b || (!rowA && !rowB)) {
        Set(result_, 0);  // the column is zero in every row not yet used
        return;
    }
    // The pivot is the endpoint set whose row comes first.
    const bool pivotIsA = rowA && (!rowB || position_[a] < position_[b]);
    const int pivot = pivotIsA ? a : b;
    const int other = pivotIsA ? b : a;
    int result = pivotIsA ? result_ : -result_;
    const int j = position_[pivot];
    if (j != i) {
        const int moved = owner_[i];
        Set(owner_[i], pivot);
        Set(position_[pivot], i);
        Set(owner_[j], moved);
        Set(position_[moved], j);
        result = -result;
    }
    Set(result_, result);
    // Adding the pivot row to the other row merges the two sets.
    int root = other, child = pivot;
    if (rank_[pivot] > rank_[other]) {
        root = pivot;
        child = other;
    } else if (rank_[pivot] == rank_[other]) {
        Set(rank_[other], rank_[other] + 1);
    }
    Set(parent_[child], root);
    if (reference_[other]) {
        Set(reference_[root], 1);
    } else if (root != other) {
        Set(position_[root], position_[other]);
        Set(owner_[position_[other]], root);
    }
}

void CDet::Elimination::Remove()
{
    const std::size_t mark = marks_.back();
    marks_.pop_back();
    while (log_.size() > mark) {
        *log_.back().where = log_.back().old;
        log_.pop_back();
    }
    --columns_;
}
