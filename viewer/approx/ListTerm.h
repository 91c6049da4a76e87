#pragma once
// The terms of one polynomial as the approximation ranks them: where each lies
// in the file's section and the value it is ranked by.
#include <cstdint>
#include <vector>

struct TermItem {
    std::uint32_t index = 0;  // position in the section, in file order
    double value = 0;         // ranking value
    int power = 0;            // power of s
};

using TListTerm = std::vector<TermItem>;

// Larger value first.
int CompareMagnitude(const TermItem& a, const TermItem& b);
// Power ascending; within a power the signed value descending.
int ComparePowerValue(const TermItem& a, const TermItem& b);

// Stable: items that compare equal keep their file order.
void SortTerms(TListTerm& items, int (*compare)(const TermItem&, const TermItem&));
