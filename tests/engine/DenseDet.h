#pragma once
// Integer elimination on a dense copy of an incidence matrix: pivot on the
// first non-zero row, clear the one other non-zero below by adding the pivot row.
#include <vector>

inline int DenseDet(std::vector<std::vector<int>> m)
{
    const int n = static_cast<int>(m.size());
    int result = 1;
    for (int i = 0; i < n; ++i) {
        int j = i;
        while (j < n && m[j][i] == 0)
            ++j;
        if (j == n)
            return 0;
        if (j != i) {
            std::swap(m[i], m[j]);
            result = -result;
        }
        result *= m[i][i];
        for (int k = i + 1; k < n; ++k) {
            if (m[k][i] != 0) {
                for (int c = i; c < n; ++c)
                    m[k][c] += m[i][c];
                break;
            }
        }
    }
    return result;
}
