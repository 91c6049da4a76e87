#pragma once
// The determinants of the reduced incidence matrices of the tree being built,
// one for the current graph and one for the voltage graph; the tree's sign is
// their product.
//
// Rows are the nodes 1..n-1 (node n is the reference), columns the edges in
// the order they are added. Each added column takes one step of the integer
// elimination at once: its first non-zero row is swapped into place and
// multiplied into the result, and the pivot row is added to the column's
// other non-zero row. Seen as nodes, that merges the pivot row's node set
// into the other endpoint's set (or into the reference's). Backtracking
// removes the last column again, so a complete tree's sign costs nothing more.
#include <cstdint>
#include <vector>

class CDet {
public:
    enum class Matrix { Current, Voltage };

    // Matrices of n - 1 rows for a graph of nodes 1..n.
    explicit CDet(int nodes);

    // Appends the edge from -> to as the next column of one matrix.
    void Add(Matrix which, int from, int to);
    // Takes the last added column of that matrix away again.
    void Remove(Matrix which);

    // The determinant so far: +1 or -1, 0 once a column has made it singular.
    std::int32_t Det(Matrix which) const;
    // Det(Current) x Det(Voltage).
    std::int32_t Sign() const { return Det(Matrix::Current) * Det(Matrix::Voltage); }

private:
    class Elimination {
    public:
        explicit Elimination(int nodes);
        void Add(int from, int to);
        void Remove();
        std::int32_t Result() const { return result_; }

    private:
        int Find(int x) const;
        void Set(int& where, int value);

        struct Write {
            int* where;
            int old;
        };
        int columns_ = 0;
        int result_ = 1;
        std::vector<int> parent_, rank_, reference_;  // node sets; reference_ flags a set merged with it
        std::vector<int> position_;                   // row position of each set, by its root
        std::vector<int> owner_;                      // root of the set at each row position
        std::vector<Write> log_;
        std::vector<std::size_t> marks_;               // log size before each column
    };

    Elimination current_, voltage_;
};
