#include <algorithm>
#include <cmath>

#include "formats/NumberText.h"
#include "viewer/model/FDT.h"
#include "viewer/plots/PlotPen.h"

namespace {

const char* TitleOf(int kind, bool yLinear)
{
    switch (kind) {
    case View::Gain: return yLinear ? "Amplitude" : "Gain (dB)";
    case View::Phase: return "Phase (deg)";
    case View::Delay: return "Time Delay (sec)";
    case View::Step: return "Step Response";
    case View::Impulse: return "Impulse Response";
    case View::Loss: return yLinear ? "Loss" : "Loss (dB)";
    default: return "";
    }
}

bool TimeView(int kind) { return kind == View::Step || kind == View::Impulse; }

// Rows of 1-pixel dashes 5 pixels apart, labelled at the left of the frame
// in a font small enough for the margin.
void DrawYGrid(TCanvas& canvas, const FDT& f, const YAxis& axis)
{
    const PlotFrame& fr = f.frame;
    const std::vector<double> values = YGridValues(axis);
    std::vector<double> shown;
    for (double v : values)  // the accumulated steps may miss zero by a rounding: its label reads 0
        shown.push_back(std::abs(v) < std::abs(axis.step) * 1e-9 ? 0.0 : v);
    const std::vector<std::string> labels = AxisLabels(shown);
    const TFont font = canvas.Font();
    FitLabels(canvas, labels, fr.left - 3);
    canvas.SetPen(clBtnShadow, 1);
    canvas.SetTextAlign(TextAlign::Right | TextAlign::Baseline);
    for (std::size_t i = 0; i < values.size(); ++i) {
        int y = f.ValueToY(values[i]);
        for (int x = fr.left + 5; x <= fr.right - 5; x += 5) {
            canvas.MoveTo(x, y);
            canvas.LineTo(x + 1, y);
        }
        canvas.TextOut(fr.left - 3, y, labels[i]);
    }
    canvas.SetFont(font);
}

// A gap at every invalid sample and every sample off the frame; the first
// sample must lie strictly inside, later ones may lie on the frame lines.
void DrawCurve(TCanvas& canvas, const FDT& f, int c)
{
    const PlotFrame& fr = f.frame;
    canvas.SetPen(CanvasColour(f.curveColours[c]), 1);
    bool down = false;
    int y = f.ValueToY(f.samples.y[0][c]);
    if (!f.samples.invalid[0][c] && fr.top < y && y < fr.bottom) {
        canvas.MoveTo(f.SampleToX(0), y);
        down = true;
    }
    for (int u = 1; u < kSampleCount; ++u) {
        y = f.ValueToY(f.samples.y[u][c]);
        if (f.samples.invalid[u][c] || y < fr.top || y > fr.bottom) {
            down = false;
            continue;
        }
        if (down)
            canvas.LineTo(f.SampleToX(u), y);
        else
            canvas.MoveTo(f.SampleToX(u), y);
        down = true;
    }
}

}  // namespace

void FDT::Draw(TCanvas& canvas, int w, int h, int pixelsPerInch)
{
    switch (viewKind) {
    case View::Symbolic: return;
    case View::PoleZero: DrawPoleZero(canvas, w, h); return;
    case View::Numeric: DrawNumeric(canvas, w, h, pixelsPerInch); return;
    case View::Phasor: DrawPhasor(canvas, w, h, pixelsPerInch); return;
    default: break;
    }
    const TFont font = canvas.Font();
    SetPlotFrame(w, h);
    FillWhite(canvas, w, h);
    canvas.SetTransparent(true);
    DrawYGrid(canvas, *this, ScaleYAxis());
    canvas.SetTextAlign(TextAlign::Center | TextAlign::Baseline);
    canvas.TextOut((frame.right + frame.left) / 2, 20, TitleOf(viewKind, yLinear));
    DrawXAxis(canvas);
    canvas.SetPen(clBlack, 1);
    canvas.MoveTo(frame.left, frame.top);
    canvas.LineTo(frame.right, frame.top);
    canvas.LineTo(frame.right, frame.bottom);
    canvas.LineTo(frame.left, frame.bottom);
    canvas.LineTo(frame.left, frame.top);
    for (int c = 0; c < curveCount; ++c)
        DrawCurve(canvas, *this, c);
    if (curveCount != 1)
        DrawLegend(canvas, h);
    canvas.SetFont(font);
}

void FDT::DrawXAxis(TCanvas& canvas)
{
    canvas.SetTextAlign(TextAlign::Center | TextAlign::Top);
    canvas.SetTransparent(true);
    std::vector<XMark> marks;
    if (TimeView(viewKind)) {
        marks = TimeMarks(endTime, frame.left, frame.right);
    } else {
        double xs = hzUnits ? fStart : wStart, xe = hzUnits ? fEnd : wEnd;
        marks = xLinear ? LinearFrequencyMarks(xs, xe, frame.left, frame.right)
                        : LogFrequencyMarks(xs, xe, frame.left, frame.right);
    }
    const bool logarithmic = !TimeView(viewKind) && !xLinear;
    canvas.SetPen(logarithmic ? clBtnShadow : clBtnFace, 1);
    // Over more than two decades only the decade lines run down from the
    // top; every other logarithmic line runs up from its tick.
    const bool decadesOnly = std::any_of(marks.begin(), marks.end(), [](const XMark& m) { return m.tick && !m.grid; });
    std::vector<AxisMark> labels;
    std::vector<double> labelled;
    for (const XMark& m : marks) {
        if (m.tick)
            DottedLine(canvas, m.x, frame.bottom - 5, m.x, frame.bottom);
        if (m.grid && m.tick && !decadesOnly)
            DottedLine(canvas, m.x, frame.bottom - 5, m.x, frame.top);
        else if (m.grid)
            DottedLine(canvas, m.x, frame.top, m.x, frame.bottom);
        if (m.label) {
            labels.push_back({m.x, ""});
            labelled.push_back(m.value);
        }
    }
    const std::vector<std::string> texts = AxisLabels(labelled);
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i].text = texts[i];
    DrawCentredLabels(canvas, labels, frame.bottom + 6);
    const char* label = TimeView(viewKind) ? "Time (sec)" : hzUnits ? "frequency (Hz)" : "frequency (rad/sec)";
    canvas.TextOut((frame.right + frame.left) / 2, frame.bottom + 20, label);
}

// One line at the bottom; too long for the canvas, it gets a smaller font.
void FDT::DrawLegend(TCanvas& canvas, int h)
{
    const TFont font = canvas.Font();
    canvas.SetTextAlign(TextAlign::Left | TextAlign::Top);
    const bool named = sweptComponent >= 0 && sweptComponent < CompoCount();
    std::vector<std::string> texts;
    for (int c = 0; c < curveCount; ++c)
        texts.push_back((named ? components[sweptComponent].name : "") + " = " + GcvtText(curveValues[c], 6));
    std::string line;
    for (const std::string& text : texts)
        line += text;
    const int width = frame.right + 20;  // the canvas, whose frame ends 20 pixels before its edge
    FitLabels(canvas, {line}, width - 10 - 20 * curveCount);
    const TFont fitted = canvas.Font();
    int x = 10;
    for (int c = 0; c < curveCount; ++c) {
        const std::string& text = texts[c];
        TFont coloured = fitted;
        coloured.Color = CanvasColour(curveColours[c]);
        canvas.SetFont(coloured);
        canvas.TextOut(x, h - 16, text);
        x += canvas.TextExtent(text).cx + 20;
    }
    canvas.SetFont(font);
}
