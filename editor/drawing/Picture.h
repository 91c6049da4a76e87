#pragma once
// The picture of a schematic, put on the clipboard or printed: the box of all
// parts with a margin of 40 pixels on every side.
#include "editor/elements/Schematic.h"

#include <optional>

// Where the picture lies on the surface and its size.
struct PictureFrame {
    int Left;
    int Top;
    int Width;
    int Height;
};

// The frame of the parts as last drawn; none for a schematic without parts
// (there is then no picture to copy or print).
std::optional<PictureFrame> PictureGeometry(const Schematic& schematic);

// The picture on a canvas of the frame's size: white, every part in final
// mode, wires without node colours.
void DrawPicture(Schematic& schematic, const PictureFrame& frame, TCanvas& target);

// Where the picture goes on a printed page: scaled by page width over screen
// width, centred across the page, 100 printer pixels below its top edge.
struct PrintPlacement {
    int Left;
    int Top;
    int Width;
    int Height;
};
PrintPlacement PrintTarget(const PictureFrame& frame, int pageWidth, int screenWidth);
