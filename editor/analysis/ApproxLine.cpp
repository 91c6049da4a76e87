#include "editor/analysis/ApproxLine.h"

#include "editor/circuit/IntText.h"
#include "formats/NumberText.h"

#include <cmath>

bool ApproxLine(const ApproxEntries& entries, std::string& line, std::string& message)
{
    const double start = StrToD(entries.startFreq), stop = StrToD(entries.stopFreq);
    // Both limits must have a logarithm and be real numbers: zero, negative,
    // infinite and NaN limits are refused, as is a stop below the start.
    if (!(start > 0 && stop >= start && std::isfinite(stop))) {
        message = "Bad Frequency Limits!";
        return false;
    }
    const int count = StrToIntDef(entries.count, 0);
    if (count < 2 || count > 10) {
        message = "Bad Number of Frequencies!";
        return false;
    }
    const double limit = StrToD(entries.errorLimit);
    if (!(limit > 0 && limit < 100)) {
        message = "Bad Error Limit!";
        return false;
    }
    const long double step = (std::log(static_cast<long double>(stop)) - std::log(static_cast<long double>(start))) /
                             static_cast<long double>(count - 1);
    const double ratio = static_cast<double>(std::exp(step));
    line = ".APP " + GcvtText(limit, 9) + " " + std::to_string(count) + " ";
    double f = start;
    for (int k = 0; k < count; ++k, f *= ratio)
        line += GcvtText(f, 9) + " ";
    return true;
}
