#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/MdiLayout.h"

namespace {

std::string Text(const Box& b)
{
    return std::to_string(b.x) + "," + std::to_string(b.y) + " " + std::to_string(b.width) + "x" +
           std::to_string(b.height);
}

bool Overlap(const Box& a, const Box& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

}  // namespace

// Whatever the count and the area, the tiles lie inside it, none overlaps
// another, and together they cover it.
TEST(TileBoxes, CoverTheAreaWithoutOverlap)
{
    for (int count = 1; count <= 30; ++count)
        for (auto [width, height] : {std::pair{1280, 821}, std::pair{640, 480}, std::pair{7, 5}}) {
            std::vector<Box> boxes = TileBoxes(count, width, height);
            ASSERT_EQ(static_cast<int>(boxes.size()), count);
            long long covered = 0;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                const Box& b = boxes[i];
                EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.width <= width && b.y + b.height <= height)
                    << count << " tiles in " << width << "x" << height << ": " << Text(b);
                for (std::size_t j = 0; j < i; ++j)
                    EXPECT_FALSE(Overlap(b, boxes[j])) << count << ": " << Text(b) << " and " << Text(boxes[j]);
                covered += static_cast<long long>(b.width) * b.height;
            }
            EXPECT_EQ(covered, static_cast<long long>(width) * height) << count << " tiles";
        }
    EXPECT_TRUE(TileBoxes(0, 100, 100).empty());
}

// The columns and the tallest tile for the first child.
TEST(TileBoxes, ColumnsAndRows)
{
    struct Case {
        int count;
        std::vector<Box> expected;
    };
    const Case cases[] = {
        {1, {{0, 0, 1200, 800}}},
        {2, {{0, 0, 600, 800}, {600, 0, 600, 800}}},
        {3, {{0, 0, 600, 800}, {600, 0, 600, 400}, {600, 400, 600, 400}}},
        {10, {{0, 0, 300, 400}, {0, 400, 300, 400}, {300, 0, 300, 400}, {300, 400, 300, 400},
              {600, 0, 300, 266}, {600, 266, 300, 267}, {600, 533, 300, 267},
              {900, 0, 300, 266}, {900, 266, 300, 267}, {900, 533, 300, 267}}},
    };
    for (const Case& c : cases) {
        std::vector<Box> boxes = TileBoxes(c.count, 1200, 800);
        ASSERT_EQ(boxes.size(), c.expected.size());
        for (std::size_t i = 0; i < boxes.size(); ++i)
            EXPECT_EQ(boxes[i], c.expected[i]) << c.count << " tiles, tile " << i << ": " << Text(boxes[i]);
    }
}

// Icons fill a row along the bottom, left to right, then the row above it.
TEST(IconBoxes, RowsFromTheBottomUp)
{
    std::vector<Box> boxes = IconBoxes(5, 200, 24, 450, 600);
    std::vector<Box> expected{{0, 576, 200, 24}, {200, 576, 200, 24}, {0, 552, 200, 24},
                              {200, 552, 200, 24}, {0, 528, 200, 24}};
    EXPECT_EQ(boxes, expected);
    EXPECT_EQ(IconBoxes(2, 500, 24, 300, 600)[1].y, 552) << "one to a row when the area is narrower";
}

TEST(InView, MovesTheLeastThatBringsAChildIn)
{
    struct Case {
        Box child;
        Box expected;
    };
    const Case cases[] = {
        {{10, 20, 300, 200}, {10, 20, 300, 200}},      // already inside
        {{1100, 700, 300, 200}, {900, 600, 300, 200}},  // beyond the right and the bottom
        {{-50, -80, 300, 200}, {0, 0, 300, 200}},       // above and left
        {{2000, 30, 300, 200}, {900, 30, 300, 200}},    // only out on one axis
        {{500, 500, 1500, 900}, {0, 0, 1500, 900}},     // larger than the area: its top left
    };
    for (const Case& c : cases)
        EXPECT_EQ(InView(c.child, 1200, 800), c.expected) << Text(c.child);
}
