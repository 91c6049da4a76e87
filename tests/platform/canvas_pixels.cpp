// Pixels of the canvas primitives: each once, inside their box, clipped.
#include "platform/PixelShapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

const ClipBox Big{1000, 1000};

bool Unique(std::vector<Pixel> pixels)
{
    std::sort(pixels.begin(), pixels.end());
    return std::adjacent_find(pixels.begin(), pixels.end()) == pixels.end();
}

std::vector<Pixel> PixelsOf(const std::vector<Span>& spans)
{
    std::vector<Pixel> pixels;
    for (const Span& s : spans)
        for (int x = s.left; x < s.right; ++x)
            pixels.push_back({x, s.y});
    return pixels;
}

TEST(CanvasPixels, LinesHitEachPixelOnceAndStopBeforeTheirEnd)
{
    struct Row {
        int x1, y1, x2, y2, width;
        std::size_t count;
    };
    const Row rows[] = {{10, 10, 20, 10, 1, 10}, {10, 10, 10, 30, 1, 20}, {10, 10, 20, 20, 1, 10},
                        {10, 10, 13, 20, 1, 10}, {20, 20, 20, 20, 1, 0},  {10, 10, 20, 10, 3, 36},
                        {10, 10, 20, 10, 2, 22}};
    for (const Row& r : rows) {
        auto pixels = LinePixels(r.x1, r.y1, r.x2, r.y2, r.width, Big);
        EXPECT_EQ(pixels.size(), r.count) << r.x1 << "," << r.y1 << " " << r.x2 << "," << r.y2 << " w" << r.width;
        EXPECT_TRUE(Unique(pixels));
        if (r.width == 1) {
            for (const Pixel& p : pixels)
                EXPECT_FALSE(p.x == r.x2 && p.y == r.y2);
        }
    }
}

TEST(CanvasPixels, RectangleBorderAndInsideSplitTheBox)
{
    std::vector<Span> borderRuns, insideRuns;
    RectangleSpans(15, 14, 10, 10, Big, borderRuns, insideRuns);
    std::vector<Pixel> border = PixelsOf(borderRuns), inside = PixelsOf(insideRuns);
    EXPECT_EQ(border.size(), 14u);
    EXPECT_EQ(inside.size(), 6u);
    for (const Pixel& p : border) {
        EXPECT_GE(p.x, 10);
        EXPECT_LE(p.x, 14);
        EXPECT_GE(p.y, 10);
        EXPECT_LE(p.y, 13);
    }
}

// The runs hold each pixel of the box once, on the border when it lies on
// the box's first or last row or column; clipping only drops pixels.
TEST(CanvasPixels, RectangleRunsArePixelByPixelTheBox)
{
    const ClipBox clip{6, 5};
    for (int left = -2; left <= 6; ++left)
        for (int width = 0; width <= 5; ++width)
            for (int top = -2; top <= 5; ++top)
                for (int height = 0; height <= 4; ++height) {
                    const int right = left + width, bottom = top + height;
                    std::vector<Pixel> border, inside;
                    for (int y = top; y < bottom; ++y)
                        for (int x = left; x < right; ++x)
                            if (clip.Holds(x, y))
                                (x == left || x == right - 1 || y == top || y == bottom - 1 ? border : inside)
                                    .push_back({x, y});
                    std::vector<Span> borderRuns, insideRuns;
                    RectangleSpans(right, bottom, left, top, clip, borderRuns, insideRuns);
                    std::vector<Pixel> runBorder = PixelsOf(borderRuns), runInside = PixelsOf(insideRuns);
                    std::sort(runBorder.begin(), runBorder.end());
                    std::sort(runInside.begin(), runInside.end());
                    EXPECT_EQ(runBorder, border) << left << "," << top << " " << width << "x" << height;
                    EXPECT_EQ(runInside, inside) << left << "," << top << " " << width << "x" << height;
                }
}

TEST(CanvasPixels, EllipsesStayInsideTheirBoxAndTouchEverySide)
{
    for (int w = 1; w <= 24; ++w)
        for (int h = 1; h <= 24; h += 5) {
            std::vector<Pixel> outline, inside;
            EllipsePixels(100, 200, 100 + w, 200 + h, Big, outline, inside);
            std::vector<Pixel> all = outline;
            all.insert(all.end(), inside.begin(), inside.end());
            ASSERT_FALSE(outline.empty()) << w << "x" << h;
            EXPECT_TRUE(Unique(all));
            int minX = 1 << 30, maxX = -1, minY = 1 << 30, maxY = -1;
            for (const Pixel& p : all) {
                minX = std::min(minX, p.x);
                maxX = std::max(maxX, p.x);
                minY = std::min(minY, p.y);
                maxY = std::max(maxY, p.y);
            }
            EXPECT_EQ(minX, 100);
            EXPECT_EQ(maxX, 100 + w - 1);
            EXPECT_EQ(minY, 200);
            EXPECT_EQ(maxY, 200 + h - 1);
        }
}

TEST(CanvasPixels, ArcsArePartsOfTheOutline)
{
    std::vector<Pixel> outline, inside;
    EllipsePixels(0, 0, 21, 21, Big, outline, inside);
    std::set<std::pair<int, int>> ring;
    for (const Pixel& p : outline)
        ring.insert({p.x, p.y});
    auto right = ArcPixels(0, 0, 21, 21, 10, 30, 10, -10, Big);
    auto left = ArcPixels(0, 0, 21, 21, 10, -10, 10, 30, Big);
    auto full = ArcPixels(0, 0, 21, 21, 30, 10, 30, 10, Big);
    EXPECT_EQ(full.size(), outline.size());
    for (const auto* arc : {&right, &left})
        for (const Pixel& p : *arc)
            EXPECT_TRUE(ring.count({p.x, p.y}));
    for (const Pixel& p : right)
        EXPECT_GE(p.x, 10);
    for (const Pixel& p : left)
        EXPECT_LE(p.x, 10);
    EXPECT_GE(right.size() + left.size(), outline.size());
}

TEST(CanvasPixels, ShapesAreClipped)
{
    ClipBox small{10, 10};
    for (const Pixel& p : LinePixels(-1000000, 5, 1000000, 5, 3, small))
        EXPECT_TRUE(small.Holds(p.x, p.y));
    std::vector<Pixel> outline, inside;
    EllipsePixels(-100000, -100000, 100000, 100000, small, outline, inside);
    EXPECT_EQ(outline.size() + inside.size(), 100u);
    std::vector<Span> border, runs;
    RectangleSpans(-5, -5, 3, 3, small, border, runs);
    EXPECT_EQ(PixelsOf(border).size() + PixelsOf(runs).size(), 9u);
}

}  // namespace
