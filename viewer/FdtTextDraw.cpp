#include <cmath>

#include "viewer/FDT.h"
#include "viewer/Messages.h"
#include "viewer/NumericText.h"
#include "viewer/PlotPen.h"

namespace {

// The gain and the coefficients of the first curve are all finite.
bool FiniteFirstCurve(const FDT& f)
{
    if (!std::isfinite(f.gain[0]))
        return false;
    for (const auto* rows : {&f.numeratorRows, &f.denominatorRows})
        for (const CurveRow& row : *rows)
            if (!std::isfinite(row[0]))
                return false;
    return true;
}

}  // namespace

// The first curve as a fraction with numeric coefficients.
void FDT::DrawNumeric(TCanvas& canvas, int w, int h, int pixelsPerInch)
{
    const TFont font = canvas.Font();
    auto size = [&](int points, bool bold) { canvas.SetFont(SizedFont(font, points, bold, pixelsPerInch)); };
    size(10, false);
    FillWhite(canvas, w, h);
    canvas.SetTransparent(true);
    canvas.SetTextAlign(TextAlign::Left | TextAlign::Top);
    const TSize digit = canvas.TextExtent("0");
    if (!FiniteFirstCurve(*this)) {
        canvas.TextOut(digit.cx, 4 * digit.cy, Msg::NotFiniteCoefficients);
        canvas.SetFont(font);
        return;
    }
    auto width = [&](const std::string& text, int points, bool bold) {
        size(points, bold);
        return canvas.TextExtent(text).cx;
    };
    const NumericLayout layout = LayoutNumeric(NumericTextOf(*this), digit.cy, digit.cx, width);
    for (const PlacedText& t : layout.texts) {
        size(t.size, t.bold);
        canvas.TextOut(t.x, t.y, t.text);
    }
    if (layout.bar) {
        canvas.SetPen(clBlack, 1);
        canvas.MoveTo(layout.barX1, layout.barY);
        canvas.LineTo(layout.barX2, layout.barY);
    }
    canvas.SetFont(font);
}

// The value at the start frequency; a pole there, or a value that is no
// finite number, shows a message in place of the value.
void FDT::DrawPhasor(TCanvas& canvas, int w, int h, int pixelsPerInch)
{
    const TFont font = canvas.Font();
    FillWhite(canvas, w, h);
    canvas.SetTransparent(true);
    canvas.SetTextAlign(TextAlign::Left | TextAlign::Top);
    const PhasorText text = PhasorTextOf(*this);
    canvas.SetFont(SizedFont(font, 10, false, pixelsPerInch));
    if (std::isfinite(fStart) && std::isfinite(wStart))
        canvas.TextOut(10, 10, text.frequency);
    canvas.SetFont(SizedFont(font, 12, false, pixelsPerInch));
    canvas.TextOut(10, 50, phasorValid ? text.value : Msg::NoFiniteValue);
    canvas.SetFont(font);
}
