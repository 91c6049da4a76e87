#pragma once
// The reduced incidence matrices of a tree in the current graph and in the
// voltage graph; the tree's sign is the product of their determinants.
//
// Each column of an incidence matrix holds at most one +1 and one -1, so a
// column is kept as the rows of those two entries. The determinant of such a
// matrix is 0 unless its columns are the edges of a spanning tree (rows are
// nodes, the missing row is the reference node), and then it is the sign of
// the column-to-row assignment that hangs every edge on its node farther from
// the reference, times the entries on that assignment.
#include <cstdint>
#include <vector>

class CDet {
public:
    explicit CDet(int n);

    void ClearFrom(int column);
    void SetV(int row, int column, int value) { Set(voltage_, row, column, value); }
    void SetI(int row, int column, int value) { Set(current_, row, column, value); }

    // Det(current) x Det(voltage): +1 or -1 for a tree, 0 when either is singular.
    std::int32_t Sign();

    enum class Matrix { Current, Voltage };
    std::int32_t Det(Matrix which);
    // The matrix entry, for tests.
    int Entry(Matrix which, int row, int column) const;

    int Size() const { return n_; }

private:
    static constexpr int kNone = -1;
    struct Column {
        int plus = kNone;   // row of the +1
        int minus = kNone;  // row of the -1
    };

    void Set(std::vector<Column>& matrix, int row, int column, int value);
    std::int32_t Det(const std::vector<Column>& matrix);

    int n_;
    std::vector<Column> current_;
    std::vector<Column> voltage_;
    // Working space of Det, sized once.
    std::vector<int> head_, next_, other_, rowOf_, queue_, seen_;
};
