#include "viewer/values/ValueList.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "viewer/model/Messages.h"
#include "viewer/plots/ValueText.h"
#include "viewer/responses/Angle.h"

int ListCount(const std::string& text)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(begin, &end, 10);
    if (end == begin || *end != '\0' || errno == ERANGE || v > INT_MAX || v < INT_MIN)
        return 1;
    return static_cast<int>(v);
}

bool ListFrequencies(double start, double stop, int n, Stepping stepping, std::vector<double>& rows,
                     std::string& error)
{
    rows.clear();
    auto bad = [&]() {
        error = Msg::ListBadLimits;
        return false;
    };
    if (n <= 0 || !std::isfinite(start) || !std::isfinite(stop) || start > stop)
        return bad();
    if (stepping == Stepping::Lin && n > 1) {
        double step = (stop - start) / (n - 1);
        if (!(step > 0) || n > kMaxListRows)
            return bad();
        for (int i = 0; i < n - 1; ++i)
            rows.push_back(start + i * step);
        rows.push_back(stop);
        return true;
    }
    // Row i lies at start + i * stop (Lin with one frequency) or at start times
    // the i-th power of the ratio; a last row within rounding of stop is stop.
    double count;
    if (stepping == Stepping::Lin) {
        if (!(stop > 0))
            return bad();
        count = (stop - start) / stop;
    } else {
        if (!(start > 0))
            return bad();
        count = n * std::log(stop / start) / std::log(stepping == Stepping::Oct ? 2.0 : 10.0);
    }
    count = std::floor(count + 1e-9) + 1;
    if (!(count <= kMaxListRows))
        return bad();
    for (int i = 0; i < count; ++i) {
        double f = stepping == Stepping::Lin
                       ? start + i * stop
                       : start * std::pow(stepping == Stepping::Oct ? 2.0 : 10.0, static_cast<double>(i) / n);
        rows.push_back(f > stop ? stop : f);
    }
    return true;
}

double ListValue(ListField field, Complex h)
{
    switch (field) {
    case ListField::Amplitude: return std::abs(h);
    case ListField::AmplitudeDb: return 20.0 * std::log10(std::abs(h));
    case ListField::PhaseDeg: return PrincipalArg(h) * 180.0 / kPi;
    case ListField::PhaseRad: return PrincipalArg(h);
    case ListField::RealPart: return h.real();
    case ListField::ImagPart: return h.imag();
    }
    return 0.0;
}

std::string ListCellText(double v) { return ValueText(v, 5); }
