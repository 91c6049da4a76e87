#include "engine/MATRIX.h"

#include <cmath>

#include "engine/ComplexMath.h"
#include "engine/EngineHost.h"

namespace {

double Weight(std::complex<double> z) { return std::abs(z.real()) + std::abs(z.imag()); }

}  // namespace

MATRIX::MATRIX(int n)
    : n_(n > 0 ? n : 0), entries_(static_cast<std::size_t>(n_) * static_cast<std::size_t>(n_)),
      permutation_(static_cast<std::size_t>(n_) + 1)
{
}

MATRIX::MATRIX(const MATRIX& source, int r, int c) : MATRIX(source.n_ - 1)
{
    for (int i = 1; i <= n_; ++i)
        for (int j = 1; j <= n_; ++j)
            Entry(i, j) = source.Entry(i < r ? i : i + 1, j < c ? j : j + 1);
}

void MATRIX::Add(int row, int col, double constant, double sCoefficient)
{
    if (row == 0 || col == 0)
        return;
    Entry(row, col) += std::complex<double>(constant, sCoefficient);
}

void MATRIX::AtFrequency(double x)
{
    for (std::complex<double>& z : entries_)
        if (z.imag() != 0.0)
            z.imag(z.imag() * x);
}

std::complex<double> MATRIX::Det(EngineHost& host)
{
    std::complex<double> det = 1.0;
    for (int i = 1; i <= n_; ++i) {
        const int p = i < n_ ? Pivot(i) : (Weight(Entry(i, i)) != 0.0 ? i : 0);
        if (p == 0) {
            host.ShowMessage("Singular matrix!");
            return 0.0;
        }
        permutation_[static_cast<std::size_t>(i)] = p;
        if (p != i) {
            SwapRows(i, p);
            det = -det;
        }
        det *= Entry(i, i);
        if (i < n_) {
            Entry(i, i) = SmithDivide(1.0, Entry(i, i));
            Eliminate(i);
        }
    }
    return det;
}

// The first row of the largest weight in column i from row i down; 0 when the
// column is zero there. Leaves the non-zero rows below i after the swap.
int MATRIX::Pivot(int i)
{
    columnRows_.clear();
    int pivot = 0;
    double heaviest = 0.0;
    for (int r = i; r <= n_; ++r) {
        const double w = Weight(Entry(r, i));
        if (w == 0.0)
            continue;
        columnRows_.push_back(r);
        if (w > heaviest) {
            heaviest = w;
            pivot = r;
        }
    }
    std::size_t kept = 0;
    for (std::size_t k = 0; k < columnRows_.size(); ++k)
        if (columnRows_[k] != pivot)
            columnRows_[kept++] = columnRows_[k] == i ? pivot : columnRows_[k];
    columnRows_.resize(kept);
    return pivot;
}

void MATRIX::SwapRows(int i, int p)
{
    for (int c = i; c <= n_; ++c)
        std::swap(Entry(i, c), Entry(p, c));
}

// Scales the pivot row by the reciprocal pivot in (i, i) and subtracts it
// from the rows below that hold a non-zero in column i, over its non-zero
// columns only.
void MATRIX::Eliminate(int i)
{
    const std::complex<double> reciprocal = Entry(i, i);
    rowColumns_.clear();
    for (int j = i + 1; j <= n_; ++j) {
        if (Weight(Entry(i, j)) != 0.0) {
            Entry(i, j) *= reciprocal;
            rowColumns_.push_back(j);
        }
    }
    for (int r : columnRows_) {
        const std::complex<double> factor = Entry(r, i);
        for (int t : rowColumns_)
            Entry(r, t) -= factor * Entry(i, t);
    }
}
