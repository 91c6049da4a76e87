#include "viewer/texts/NumericText.h"

#include <cmath>

#include "formats/NumberText.h"
#include "viewer/model/FDT.h"
#include "viewer/responses/Angle.h"

namespace {

constexpr int kDigits = 5;

// The powers of curve 0 of rows from the degree down, zero coefficients left
// out. A coefficient 1 writes no number, except for the constant term: its s
// reads " s" at the degree and " +s" below it. "s" and its exponent are bold.
std::vector<TextPiece> Row(const std::vector<CurveRow>& rows)
{
    std::vector<TextPiece> pieces;
    const int degree = static_cast<int>(rows.size()) - 1;
    for (int k = degree; k >= 0; --k) {
        double a = rows[static_cast<std::size_t>(k)][0];
        if (a == 0.0)
            continue;
        if (a != 1.0 || k == 0)
            pieces.push_back({(a > 0 ? " +" : "") + GcvtText(a, kDigits), false, false, false});
        if (k > 0)
            pieces.push_back({a != 1.0 || k == degree ? " s" : " +s", true, false, false});
        if (k > 1)
            pieces.push_back({std::to_string(k), true, true, false});
        pieces.back().gapAfter = true;
    }
    return pieces;
}

// Zero (either sign) when below 1e-12 in size.
double Tidy(double v) { return std::fabs(v) < 1e-12 ? 0.0 : v; }

}  // namespace

NumericText NumericTextOf(const FDT& f)
{
    NumericText t;
    if (f.numeratorRows.empty() || f.denominatorRows.empty())
        return t;
    // The highest non-zero powers: a function constant for these values, or
    // an identically zero numerator over a denominator that is not zero, is
    // one number.
    int n = f.numeratorEffective[0], d = f.denominatorEffective[0];
    bool zero = n < 0 && d >= 0;
    if (zero || (n == 0 && d == 0)) {
        t.constant = true;
        t.gain = GcvtText(zero ? 0.0 : f.gain[0] * f.numeratorRows[0][0] / f.denominatorRows[0][0], kDigits);
        return t;
    }
    t.gain = GcvtText(f.gain[0], kDigits);
    t.numerator = Row(f.numeratorRows);
    t.denominator = Row(f.denominatorRows);
    return t;
}

NumericLayout LayoutNumeric(const NumericText& t, int lineHeight, int digitWidth, const TextWidth& width)
{
    const int h = lineHeight, wd = digitWidth;
    NumericLayout out;
    out.texts.push_back({t.gain, wd, 4 * h, 10, false});
    if (t.constant)
        return out;
    const int x0 = wd + width(t.gain, 10, false) + wd;
    int x = x0;
    for (const auto* row : {&t.numerator, &t.denominator}) {
        const int y = row == &t.numerator ? 3 * h : 5 * h;
        x = x0;
        for (const TextPiece& piece : *row) {
            int size = piece.exponent ? 8 : 10;
            out.texts.push_back({piece.text, x, piece.exponent ? y - h / 2 : y, size, piece.bold});
            x += width(piece.text, size, piece.bold);
            if (piece.gapAfter)
                x += wd;
        }
    }
    out.bar = true;
    out.barX1 = x0;
    out.barX2 = x;  // where the denominator ended
    out.barY = 4 * h + h / 3;
    return out;
}

PhasorText PhasorTextOf(const FDT& f)
{
    PhasorText t;
    t.frequency = "frequency = " + GcvtText(f.fStart, kDigits) + " Hz = " + GcvtText(f.wStart, kDigits) + " rad/s";
    Complex p = f.phasorResult;
    double re = Tidy(p.real()), im = Tidy(p.imag());
    double mag = Tidy(std::abs(p));
    double deg = Tidy(PrincipalArg(p) * 180.0 * (1.0 / kPi));
    t.value = GcvtText(re, kDigits) + (im > 0 ? " + j " : " - j ") + GcvtText(std::fabs(im), kDigits) + "  =  "
              + GcvtText(mag, kDigits) + "  arg(" + GcvtText(deg, kDigits) + "\xB0)";
    return t;
}
