#include "viewer/model/FDT.h"
#include "viewer/model/Messages.h"
#include "viewer/plots/PlotPen.h"
#include "viewer/texts/NumericText.h"

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
    if (const char* problem = CurveProblem(0)) {
        canvas.TextOut(digit.cx, 4 * digit.cy, problem);
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

// The value at the start frequency; a pole there, a value that is no finite
// number or a function without values shows a message in place of the value.
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
    canvas.TextOut(10, 50, phasorProblem ? phasorProblem : text.value);
    canvas.SetFont(font);
}
