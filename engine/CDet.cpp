#include "engine/CDet.h"

CDet::CDet(int n)
    : n_(n), current_(n), voltage_(n), head_(n + 1), next_(2 * n), other_(2 * n),
      rowOf_(n), queue_(n + 1), seen_(n + 1)
{
}

void CDet::ClearFrom(int column)
{
    for (int c = column < 0 ? 0 : column; c < n_; ++c) {
        current_[c] = Column();
        voltage_[c] = Column();
    }
}

void CDet::Set(std::vector<Column>& matrix, int row, int column, int value)
{
    if (row < 0 || column < 0 || row >= n_ || column >= n_)
        return;
    Column& col = matrix[column];
    if (col.plus == row)
        col.plus = kNone;
    if (col.minus == row)
        col.minus = kNone;
    if (value > 0)
        col.plus = row;
    else if (value < 0)
        col.minus = row;
}

int CDet::Entry(Matrix which, int row, int column) const
{
    const Column& col = (which == Matrix::Current ? current_ : voltage_)[column];
    return col.plus == row ? 1 : col.minus == row ? -1 : 0;
}

std::int32_t CDet::Sign() { return Det(current_) * Det(voltage_); }

std::int32_t CDet::Det(Matrix which) { return Det(which == Matrix::Current ? current_ : voltage_); }

std::int32_t CDet::Det(const std::vector<Column>& matrix)
{
    if (n_ == 0)
        return 1;
    const int root = n_;  // the reference node, whose row is not in the matrix
    for (int v = 0; v <= n_; ++v) {
        head_[v] = kNone;
        seen_[v] = 0;
    }
    for (int c = 0; c < n_; ++c) {
        int u = matrix[c].plus == kNone ? root : matrix[c].plus;
        int v = matrix[c].minus == kNone ? root : matrix[c].minus;
        if (u == v)
            return 0;  // an all-zero column
        other_[2 * c] = v;
        next_[2 * c] = head_[u];
        head_[u] = 2 * c;
        other_[2 * c + 1] = u;
        next_[2 * c + 1] = head_[v];
        head_[v] = 2 * c + 1;
        rowOf_[c] = kNone;
    }
    // Hang every edge on its node farther from the reference.
    int front = 0, back = 0;
    queue_[back++] = root;
    seen_[root] = 1;
    while (front < back) {
        int x = queue_[front++];
        for (int a = head_[x]; a != kNone; a = next_[a]) {
            int c = a / 2;
            if (rowOf_[c] != kNone)
                continue;  // the edge that reached x
            int y = other_[a];
            if (seen_[y])
                return 0;  // a loop
            seen_[y] = 1;
            rowOf_[c] = y;
            queue_[back++] = y;
        }
    }
    if (back != n_ + 1)
        return 0;  // not spanning
    std::int32_t result = 1;
    for (int c = 0; c < n_; ++c)
        if (matrix[c].plus != rowOf_[c])
            result = -result;
    // Parity of the assignment column -> row.
    for (int v = 0; v < n_; ++v)
        seen_[v] = 0;
    for (int c = 0; c < n_; ++c) {
        if (seen_[c])
            continue;
        int length = 0;
        for (int k = c; !seen_[k]; k = rowOf_[k]) {
            seen_[k] = 1;
            ++length;
        }
        if (length % 2 == 0)
            result = -result;
    }
    return result;
}
