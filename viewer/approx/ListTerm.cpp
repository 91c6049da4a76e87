#include "viewer/approx/ListTerm.h"

#include <algorithm>

int CompareMagnitude(const TermItem& a, const TermItem& b)
{
    if (a.value > b.value)
        return -1;
    return a.value == b.value ? 0 : 1;
}

int ComparePowerValue(const TermItem& a, const TermItem& b)
{
    if (a.power != b.power)
        return a.power < b.power ? -1 : 1;
    return CompareMagnitude(a, b);
}

void SortTerms(TListTerm& items, int (*compare)(const TermItem&, const TermItem&))
{
    std::stable_sort(items.begin(), items.end(),
                     [compare](const TermItem& a, const TermItem& b) { return compare(a, b) < 0; });
}
