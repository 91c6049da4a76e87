#include "viewer/model/FDT.h"
#include "viewer/plots/PlotPen.h"

namespace {

void DrawPoleMarker(TCanvas& canvas, int x, int y)
{
    canvas.MoveTo(x - 4, y - 4);
    canvas.LineTo(x + 5, y + 5);
    canvas.MoveTo(x - 4, y + 4);
    canvas.LineTo(x + 5, y - 5);
    canvas.MoveTo(x, y - 4);
    canvas.LineTo(x, y + 5);
    canvas.MoveTo(x - 4, y);
    canvas.LineTo(x + 4, y);
}

}  // namespace

// The roots on a complex plane with the same scale on both axes; the
// imaginary axis points up.
void FDT::DrawPoleZero(TCanvas& canvas, int w, int h)
{
    SetPlotFrame(w, h);
    FillWhite(canvas, w, h);
    canvas.SetTransparent(true);
    canvas.SetPen(clBlack, 1);
    const int midX = (frame.left + frame.right) / 2, midY = (frame.top + frame.bottom) / 2;
    canvas.SetTextAlign(TextAlign::Center | TextAlign::Baseline);
    canvas.TextOut((frame.right + frame.left) / 2, 20, "Poles and Zeros");
    canvas.SetBrush(clWhite);
    canvas.Rectangle(frame.left, frame.top, frame.right, frame.bottom);
    canvas.SetPen(clBtnShadow, 1);
    canvas.MoveTo(frame.left, midY);
    canvas.LineTo(frame.right, midY);
    canvas.MoveTo(midX, frame.top);
    canvas.LineTo(midX, frame.bottom);

    const PoleZeroMap map = ScalePoleZero();
    canvas.SetTextAlign(TextAlign::Center | TextAlign::Top);
    std::vector<AxisMark> columns;
    const std::vector<double> grid = map.GridRe();
    const std::vector<std::string> texts = AxisLabels(grid);
    for (std::size_t i = 0; i < grid.size(); ++i) {
        int x = map.X(grid[i]);
        DottedLine(canvas, x, frame.top, x, frame.bottom);
        columns.push_back({x, texts[i]});
    }
    DrawCentredLabels(canvas, columns, frame.bottom + 2);
    canvas.SetTextAlign(TextAlign::Right | TextAlign::Baseline);
    const std::vector<double> rows = map.GridIm();
    const std::vector<std::string> labels = AxisLabels(rows);
    const TFont font = canvas.Font();
    FitLabels(canvas, labels, frame.left - 2);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        int y = map.Y(rows[i]);
        DottedLine(canvas, frame.left, y, frame.right, y);
        canvas.TextOut(frame.left - 2, y, labels[i]);
    }
    canvas.SetFont(font);

    canvas.SetBrush(clWhite);
    for (int c = 0; c < curveCount; ++c) {
        canvas.SetPen(CanvasColour(curveColours[c]), 1);
        for (int k = 1; k <= poleCount[c]; ++k)
            DrawPoleMarker(canvas, map.X(Pole(k, c).real()), map.Y(Pole(k, c).imag()));
        for (int k = 1; k <= zeroCount[c]; ++k) {
            int x = map.X(Zero(k, c).real()), y = map.Y(Zero(k, c).imag());
            canvas.Ellipse(x - 5, y - 5, x + 5, y + 5);
        }
    }
    if (curveCount != 1)
        DrawLegend(canvas, h);
}
