#include "editor/drawing/Surface.h"

#include <algorithm>

namespace {

constexpr TColor GridColour = RGBColor(192, 192, 192);

// The shift by whole grid steps that brings [low, high] into [0, limit).
int StepsInside(int low, int high, int limit)
{
    if (low < 0)
        return (-low + 9) / 10 * 10;
    if (high > limit - 1)
        return -((high - (limit - 1) + 9) / 10 * 10);
    return 0;
}

}  // namespace

void DrawFinalOn(GCompo& part, TCanvas& canvas, bool colourByNode)
{
    TCanvas* own = part.Canvas;
    part.Canvas = &canvas;
    part.Draw(true, colourByNode);
    part.Canvas = own;
}

void PaintSurface(Schematic& schematic, TCanvas& canvas, bool grid)
{
    canvas.SetPenMode(PenMode::Copy);
    canvas.SetPen(clBlack, 1);
    canvas.SetBrush(clWhite);
    canvas.Rectangle(-5, -5, SurfaceWidth + 5, SurfaceHeight + 5);
    if (grid)
        for (int y = 0; y < SurfaceHeight; y += 10)
            for (int x = 0; x < SurfaceWidth; x += 10)
                canvas.SetPixel(x, y, GridColour);
    bool colourByNode = !schematic.NodeLabels.empty();
    for (auto& part : schematic.Parts)
        DrawFinalOn(*part, canvas, colourByNode);
    for (auto& label : schematic.NodeLabels)
        DrawFinalOn(*label, canvas, false);
    schematic.NodeLabels.clear();
}

Box NormalBox(const GCompo& part)
{
    return {part.Left, std::min(part.Top, part.Bottom), part.Right, std::max(part.Top, part.Bottom)};
}

void KeepOnSurface(GCompo& part)
{
    std::int32_t x = part.X, y = part.Y, x2 = part.X2, y2 = part.Y2;
    if (part.Kind == 'W') {
        part.X = std::clamp(part.X, 0, SurfaceWidth - 10);
        part.Y = std::clamp(part.Y, 0, SurfaceHeight - 10);
        part.X2 = std::clamp(part.X2, 0, SurfaceWidth - 10);
        part.Y2 = std::clamp(part.Y2, 0, SurfaceHeight - 10);
    } else {
        Box box = NormalBox(part);
        part.X += StepsInside(box.Left, box.Right, SurfaceWidth);
        part.Y += StepsInside(box.Top, box.Bottom, SurfaceHeight);
    }
    if (part.X != x || part.Y != y || part.X2 != x2 || part.Y2 != y2)
        part.Draw(true, false);
}
