#include "platform/PixelShapes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

struct Box {
    long long left, top, right, bottom;  // right and bottom excluded
};

Box Ordered(int x1, int y1, int x2, int y2)
{
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

Box Clipped(Box box, ClipBox clip)
{
    return {std::max(box.left, 0LL), std::max(box.top, 0LL),
            std::min(box.right, static_cast<long long>(clip.width)),
            std::min(box.bottom, static_cast<long long>(clip.height))};
}

// The ellipse inscribed in the box; a pixel belongs to it when its square
// reaches inside, so that it touches all four sides of any box.
struct EllipseShape {
    double cx, cy, a, b;
    explicit EllipseShape(Box box)
        : cx(static_cast<double>(box.left + box.right) / 2.0),
          cy(static_cast<double>(box.top + box.bottom) / 2.0),
          a(static_cast<double>(box.right - box.left) / 2.0),
          b(static_cast<double>(box.bottom - box.top) / 2.0)
    {
    }
    bool Inside(long long x, long long y) const
    {
        double u = std::max(0.0, std::fabs(static_cast<double>(x) + 0.5 - cx) - 0.5) / a;
        double v = std::max(0.0, std::fabs(static_cast<double>(y) + 0.5 - cy) - 0.5) / b;
        return u * u + v * v < 1.0;
    }
    bool OnOutline(long long x, long long y) const
    {
        return Inside(x, y) && (!Inside(x - 1, y) || !Inside(x + 1, y) || !Inside(x, y - 1) || !Inside(x, y + 1));
    }
    // Angle of the centre of a pixel, counter-clockwise on the screen (y pointing down).
    double Angle(long long x, long long y) const
    {
        return std::atan2(cy - (static_cast<double>(y) + 0.5), static_cast<double>(x) + 0.5 - cx);
    }
};

// Calls visit(x, y) for every pixel of the box that lies inside the clip box.
template <class Visit>
void ForEachPixel(Box box, ClipBox clip, Visit visit)
{
    Box area = Clipped(box, clip);
    for (long long y = area.top; y < area.bottom; ++y)
        for (long long x = area.left; x < area.right; ++x)
            visit(x, y, Pixel{static_cast<int>(x), static_cast<int>(y)});
}

double Turn(double angle)
{
    double full = 2.0 * std::numbers::pi;
    angle = std::fmod(angle, full);
    return angle < 0 ? angle + full : angle;
}

}  // namespace

std::vector<Pixel> LinePixels(int x1, int y1, int x2, int y2, int width, ClipBox clip)
{
    std::vector<Pixel> pixels;
    long long x = x1, y = y1;
    long long dx = std::llabs(static_cast<long long>(x2) - x1), dy = -std::llabs(static_cast<long long>(y2) - y1);
    long long sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    long long err = dx + dy;
    int low = -(width - 1) / 2, high = width / 2;
    if (width < 1)
        low = high = 0;
    while (x != x2 || y != y2) {
        for (int oy = low; oy <= high; ++oy)
            for (int ox = low; ox <= high; ++ox)
                if (clip.Holds(x + ox, y + oy))
                    pixels.push_back({static_cast<int>(x + ox), static_cast<int>(y + oy)});
        long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    if (width > 1) {
        std::sort(pixels.begin(), pixels.end());
        pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
    }
    return pixels;
}

void EllipsePixels(int x1, int y1, int x2, int y2, ClipBox clip,
                   std::vector<Pixel>& outline, std::vector<Pixel>& inside)
{
    outline.clear();
    inside.clear();
    Box box = Ordered(x1, y1, x2, y2);
    if (box.right <= box.left || box.bottom <= box.top)
        return;
    EllipseShape shape(box);
    ForEachPixel(box, clip, [&](long long x, long long y, Pixel p) {
        if (shape.OnOutline(x, y))
            outline.push_back(p);
        else if (shape.Inside(x, y))
            inside.push_back(p);
    });
}

std::vector<Pixel> ArcPixels(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye, ClipBox clip)
{
    std::vector<Pixel> pixels;
    Box box = Ordered(x1, y1, x2, y2);
    if (box.right <= box.left || box.bottom <= box.top)
        return pixels;
    EllipseShape shape(box);
    double start = shape.Angle(xs, ys);
    double sweep = Turn(shape.Angle(xe, ye) - start);
    if (sweep == 0.0)
        sweep = 2.0 * std::numbers::pi;
    ForEachPixel(box, clip, [&](long long x, long long y, Pixel p) {
        if (shape.OnOutline(x, y) && Turn(shape.Angle(x, y) - start) <= sweep)
            pixels.push_back(p);
    });
    return pixels;
}

void RectangleSpans(int x1, int y1, int x2, int y2, ClipBox clip,
                    std::vector<Span>& border, std::vector<Span>& inside)
{
    border.clear();
    inside.clear();
    Box box = Ordered(x1, y1, x2, y2);
    Box area = Clipped(box, clip);
    auto add = [&](std::vector<Span>& spans, long long y, long long from, long long to) {
        from = std::max(from, area.left);
        to = std::min(to, area.right);
        if (from < to)
            spans.push_back({static_cast<int>(y), static_cast<int>(from), static_cast<int>(to)});
    };
    for (long long y = area.top; y < area.bottom; ++y) {
        if (y == box.top || y == box.bottom - 1) {
            add(border, y, box.left, box.right);
            continue;
        }
        add(border, y, box.left, box.left + 1);
        add(inside, y, box.left + 1, box.right - 1);
        if (box.right - 1 > box.left)
            add(border, y, box.right - 1, box.right);
    }
}
