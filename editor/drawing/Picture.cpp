#include "editor/drawing/Picture.h"

#include "editor/drawing/OffsetCanvas.h"
#include "editor/drawing/Surface.h"

#include <algorithm>

namespace {

constexpr int Margin = 40;

}  // namespace

std::optional<PictureFrame> PictureGeometry(const Schematic& schematic)
{
    if (schematic.Parts.empty())
        return std::nullopt;
    int left = SurfaceWidth, top = SurfaceHeight, right = 0, bottom = 0;
    for (const auto& part : schematic.Parts) {
        Box box = NormalBox(*part);
        left = std::min(left, box.Left);
        top = std::min(top, box.Top);
        right = std::max(right, box.Right);
        bottom = std::max(bottom, box.Bottom);
    }
    // Parts of a damaged file may lie far off the surface: the picture shows the surface only.
    left = std::clamp(left, 0, SurfaceWidth);
    top = std::clamp(top, 0, SurfaceHeight);
    right = std::clamp(right, left, SurfaceWidth);
    bottom = std::clamp(bottom, top, SurfaceHeight);
    return PictureFrame{left - Margin, top - Margin, right - left + 2 * Margin, bottom - top + 2 * Margin};
}

void DrawPicture(Schematic& schematic, const PictureFrame& frame, TCanvas& target)
{
    OffsetCanvas view(target, -frame.Left, -frame.Top);
    view.SetPenMode(PenMode::Copy);
    view.SetPen(clBlack, 1);
    view.SetBrush(clWhite);
    view.Rectangle(frame.Left - 5, frame.Top - 5, frame.Left + frame.Width + 5, frame.Top + frame.Height + 5);
    for (auto& part : schematic.Parts)
        DrawFinalOn(*part, view, false);
}

PrintPlacement PrintTarget(const PictureFrame& frame, int pageWidth, int screenWidth)
{
    double scale = static_cast<double>(pageWidth) / screenWidth;
    int width = static_cast<int>(frame.Width * scale);
    int height = static_cast<int>(frame.Height * scale);
    return {(pageWidth - width) / 2, 100, width, height};
}
