#include "platform/MdiLayout.h"

#include <algorithm>

std::vector<Box> TileBoxes(int count, int width, int height)
{
    std::vector<Box> boxes;
    if (count <= 0)
        return boxes;
    int columns = 1;
    while (columns * columns < count)
        ++columns;
    int rows = (count + columns - 1) / columns;
    int fewer = columns * rows - count;  // columns of one row less
    for (int c = 0; c < columns; ++c) {
        int left = c * width / columns;
        int right = (c + 1) * width / columns;
        int inColumn = c < fewer ? rows - 1 : rows;
        for (int r = 0; r < inColumn; ++r) {
            int top = r * height / inColumn;
            int bottom = (r + 1) * height / inColumn;
            boxes.push_back({left, top, right - left, bottom - top});
        }
    }
    return boxes;
}

std::vector<Box> IconBoxes(int count, int iconWidth, int iconHeight, int width, int height)
{
    std::vector<Box> boxes;
    int perRow = std::max(1, iconWidth > 0 ? width / iconWidth : 1);
    for (int i = 0; i < count; ++i)
        boxes.push_back({i % perRow * iconWidth, height - (i / perRow + 1) * iconHeight, iconWidth, iconHeight});
    return boxes;
}

Box InView(Box child, int width, int height)
{
    child.x = std::max(0, std::min(child.x, width - child.width));
    child.y = std::max(0, std::min(child.y, height - child.height));
    return child;
}
