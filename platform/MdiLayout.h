#pragma once
// Where the MDI frame puts its children, in the area's own pixels: tiles
// without overlap, rows of minimised children along the bottom, and the
// place that brings a child into view.
#include <vector>

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Box& o) const
    {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

// The area from (0, 0) split into count tiles that cover it without overlap:
// columns of equal width, as many as the square root of the count rounded
// up; the left columns take one child fewer where the count does not fill
// them all, so the first child has the tallest tile.
std::vector<Box> TileBoxes(int count, int width, int height);

// Minimised children of one size in rows along the bottom of the area, left
// to right, each full row pushing the next one up.
std::vector<Box> IconBoxes(int count, int iconWidth, int iconHeight, int width, int height);

// The child moved the least so that it lies inside the area; one larger than
// the area keeps its top left corner in view.
Box InView(Box child, int width, int height);
