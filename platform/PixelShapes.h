#pragma once
// The pixels of the canvas primitives, each pixel once, clipped to a box.
#include <vector>

struct Pixel {
    int x;
    int y;
    bool operator<(const Pixel& o) const { return y != o.y ? y < o.y : x < o.x; }
    bool operator==(const Pixel& o) const { return x == o.x && y == o.y; }
};

// The pixels with 0 <= x < width and 0 <= y < height.
struct ClipBox {
    int width;
    int height;
    bool Holds(long long x, long long y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// A line from (x1, y1) to (x2, y2) without its end pixel, drawn by a square pen
// of the given width.
std::vector<Pixel> LinePixels(int x1, int y1, int x2, int y2, int width, ClipBox clip);

// The ellipse that fills the box from (x1, y1) to (x2, y2), right and bottom
// edge excluded: its outline and its inside.
void EllipsePixels(int x1, int y1, int x2, int y2, ClipBox clip,
                   std::vector<Pixel>& outline, std::vector<Pixel>& inside);

// The outline pixels of that ellipse from the radial through (xs, ys)
// counter-clockwise (on the screen) to the radial through (xe, ye).
std::vector<Pixel> ArcPixels(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye, ClipBox clip);

// A run of pixels of row y, from x = left to x = right, right excluded.
struct Span {
    int y;
    int left;
    int right;
};

// The rectangle's border (one pixel wide) and inside, right and bottom edge
// excluded, as runs of its rows: a surface-sized fill stays a few runs a row.
void RectangleSpans(int x1, int y1, int x2, int y2, ClipBox clip,
                    std::vector<Span>& border, std::vector<Span>& inside);
