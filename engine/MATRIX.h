#pragma once
// A square matrix of first-degree polynomials in s (real part: constant,
// imaginary part: coefficient of s) and its determinant at s = j x by sparse
// Gaussian elimination. Rows and columns are 1-based; 0 (ground) is ignored.
#include <complex>
#include <vector>

class EngineHost;

class MATRIX {
public:
    explicit MATRIX(int n);
    // The minor without row r and column c.
    MATRIX(const MATRIX& source, int r, int c);

    int Size() const { return n_; }
    void Add(int row, int col, double constant, double sCoefficient);
    std::complex<double> At(int row, int col) const { return Entry(row, col); }
    // Every entry with an s-coefficient k becomes constant + j k x.
    void AtFrequency(double x);
    // Destroys the entries. A zero column or last pivot: "Singular matrix!"
    // through the host and 0. The empty matrix has determinant 1.
    std::complex<double> Det(EngineHost& host);
    // After Det: the pivot row of each step (1-based, index 0 unused).
    const std::vector<int>& Permutation() const { return permutation_; }

private:
    std::complex<double>& Entry(int r, int c) { return entries_[Index(r, c)]; }
    const std::complex<double>& Entry(int r, int c) const { return entries_[Index(r, c)]; }
    std::size_t Index(int r, int c) const
    {
        return static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(n_) + static_cast<std::size_t>(c - 1);
    }
    int Pivot(int i);
    void SwapRows(int i, int p);
    void Eliminate(int i);

    int n_;
    std::vector<std::complex<double>> entries_;
    std::vector<int> columnRows_;  // non-zero rows below the pivot of the current column
    std::vector<int> rowColumns_;  // non-zero columns right of the pivot in the pivot row
    std::vector<int> permutation_;
};
