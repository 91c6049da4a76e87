#include "editor/elements/GCompo.h"
#include "tests/editor/RecordingCanvas.h"
#include "tests/editor/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct P {
    int x, y;
};

// Where each orientation takes a symbol point.
P Turned(P p, int orientation)
{
    switch (orientation) {
    case 0: return {p.x, p.y};
    case 1: return {-p.y, p.x};
    case 2: return {-p.x, -p.y};
    case 3: return {p.y, -p.x};
    case 4: return {p.x, -p.y};
    case 5: return {p.y, p.x};
    case 6: return {-p.x, p.y};
    default: return {-p.y, -p.x};
    }
}

struct SymbolRow {
    char kind;
    P box1, box2;
    std::vector<P> terms;
};

const std::vector<SymbolRow> Symbols = {
    {'R', {-8, 0}, {8, 60}, {{0, 0}, {0, 60}}},
    {'G', {-8, 0}, {8, 60}, {{0, 0}, {0, 60}}},
    {'C', {-11, 0}, {11, 60}, {{0, 0}, {0, 60}}},
    {'L', {-10, 0}, {10, 60}, {{0, 0}, {0, 60}}},
    {'V', {-10, 0}, {10, 60}, {{0, 0}, {0, 60}}},
    {'I', {-10, 0}, {10, 60}, {{0, 0}, {0, 60}}},
    {'H', {-40, 0}, {10, 60}, {{0, 0}, {0, 60}, {-40, 0}, {-40, 60}}},
    {'F', {-40, 0}, {10, 60}, {{0, 0}, {0, 60}, {-40, 0}, {-40, 60}}},
    {'Y', {-40, 0}, {10, 60}, {{0, 0}, {0, 60}, {-40, 0}, {-40, 60}}},
    {'E', {-40, 0}, {10, 60}, {{0, 0}, {0, 60}, {-40, 0}, {-40, 60}}},
    {'Q', {0, -20}, {40, 20}, {{0, 0}, {40, 20}, {40, -20}}},
    {'q', {0, -20}, {40, 20}, {{0, 0}, {40, 20}, {40, -20}}},
    {'M', {0, -20}, {40, 20}, {{0, 0}, {40, 20}, {40, -20}}},
    {'O', {0, -10}, {80, 50}, {{80, 20}, {0, 0}, {0, 40}}},
    {'n', {0, 0}, {30, 60}, {{0, 0}, {0, 60}, {30, 0}, {30, 60}}},
    {'K', {0, 0}, {30, 60}, {{0, 0}, {0, 60}, {30, 0}, {30, 60}}},
    {'v', {0, -10}, {15, 10}, {{0, 0}}},
    {'i', {-10, 0}, {10, 40}, {{0, 0}, {0, 40}}},
    {'g', {-10, 0}, {10, 20}, {{0, 0}}},
    {'X', {-5, -5}, {65, 45}, {{-10, 10}, {70, 10}, {20, 50}, {30, -10}}},
};

struct Case {
    SymbolRow row;
    int orientation;
};

std::vector<Case> AllCases()
{
    std::vector<Case> cases;
    for (const SymbolRow& row : Symbols)
        for (int o = 0; o < 8; ++o)
            cases.push_back({row, o});
    return cases;
}

class SymbolGeometry : public ::testing::TestWithParam<Case> {};

TEST_P(SymbolGeometry, BoxAndTerminalsFollowTheOrientation)
{
    const Case& c = GetParam();
    TempFolder folder;
    WriteAmpSymbol(folder);
    RecordingCanvas canvas;
    auto part = c.row.kind == 'X' ? std::make_unique<GCompo>("amp", &canvas, folder.Folder())
                                  : std::make_unique<GCompo>(c.row.kind, &canvas, false, false, false);
    part->X = 500;
    part->Y = 400;
    part->Orientation = c.orientation;
    part->Draw(true, false);

    P a = Turned(c.row.box1, c.orientation), b = Turned(c.row.box2, c.orientation);
    EXPECT_EQ(part->Left, 500 + std::min(a.x, b.x));
    EXPECT_EQ(part->Right, 500 + std::max(a.x, b.x));
    EXPECT_EQ(part->Top, 400 + std::min(a.y, b.y));
    EXPECT_EQ(part->Bottom, 400 + std::max(a.y, b.y));
    ASSERT_EQ(part->TermCount, static_cast<int>(c.row.terms.size()));
    for (std::size_t i = 0; i < c.row.terms.size(); ++i) {
        P t = Turned(c.row.terms[i], c.orientation);
        EXPECT_EQ(part->TermX[i], 500 + t.x) << "terminal " << i;
        EXPECT_EQ(part->TermY[i], 400 + t.y) << "terminal " << i;
    }
}

void PrintTo(const Case& c, std::ostream* os) { *os << c.row.kind << " in orientation " << c.orientation; }

std::string CaseName(const ::testing::TestParamInfo<Case>& info)
{
    char kind = info.param.row.kind;
    std::string name = (kind >= 'a' ? std::string("lower_") : std::string()) + kind;
    return name + "_" + std::to_string(info.param.orientation);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, SymbolGeometry, ::testing::ValuesIn(AllCases()), CaseName);

TEST(Snapping, FinalDrawingPutsTheOriginOnTheGrid)
{
    struct Row {
        char kind;
        int x, y, snappedX, snappedY;
    };
    const Row rows[] = {
        {'R', 34, 47, 30, 50}, {'R', 35, 45, 40, 50}, {'R', -20, 5, 30, 10},
        {'R', 5, -16, 10, 30},  {'T', 34, 47, 34, 47}, {'g', 994, 996, 990, 1000},
    };
    for (const Row& r : rows) {
        RecordingCanvas canvas;
        GCompo part(r.kind, &canvas, false, false, false);
        part.Text = "x";
        part.X = r.x;
        part.Y = r.y;
        part.Draw(true, false);
        EXPECT_EQ(part.X, r.snappedX) << r.kind << " " << r.x;
        EXPECT_EQ(part.Y, r.snappedY) << r.kind << " " << r.y;
    }
}

TEST(Snapping, GhostDrawingKeepsThePosition)
{
    RecordingCanvas canvas;
    GCompo part('R', &canvas, false, false, false);
    part.SetPosition(34, 47);
    EXPECT_EQ(part.X, 34);
    EXPECT_EQ(part.Y, 47);
    EXPECT_EQ(canvas.mode, PenMode::NotXor);
}

TEST(Geometry, TurnedResistorLiesLeftOfItsOrigin)
{
    RecordingCanvas canvas;
    GCompo part('R', &canvas, false, false, false);
    part.X = 200;
    part.Y = 100;
    part.Orientation = 1;
    part.Draw(true, false);
    EXPECT_EQ(part.Left, 140);
    EXPECT_EQ(part.Right, 200);
    EXPECT_EQ(part.Top, 92);
    EXPECT_EQ(part.Bottom, 108);
    EXPECT_EQ(part.TermX[0], 200);
    EXPECT_EQ(part.TermY[0], 100);
    EXPECT_EQ(part.TermX[1], 140);
    EXPECT_EQ(part.TermY[1], 100);
}

TEST(Geometry, MoveToKeepsTheGrabOffset)
{
    RecordingCanvas canvas;
    GCompo part('C', &canvas, false, false, false);
    part.GrabDX = 3;
    part.GrabDY = -4;
    part.MoveTo(100, 100);
    EXPECT_EQ(part.X, 97);
    EXPECT_EQ(part.Y, 104);
}

std::unique_ptr<GCompo> PlacedWire(RecordingCanvas& canvas, int x2, int y2, int x, int y)
{
    auto wire = std::make_unique<GCompo>('W', &canvas, false, false, false);
    wire->StartFixed = 1;
    wire->X2 = x2;
    wire->Y2 = y2;
    wire->X = x;
    wire->Y = y;
    wire->Draw(true, false);
    return wire;
}

struct Hit {
    int x, y;
    bool hits;
};

void ExpectHits(const GCompo& wire, const std::vector<Hit>& hits)
{
    for (const Hit& h : hits)
        EXPECT_EQ(wire.HitTest(h.x, h.y), h.hits) << h.x << ", " << h.y;
}

TEST(WireHitTest, StraightWiresHitWithinTenPixels)
{
    RecordingCanvas canvas;
    const std::vector<Hit> vertical = {{110, 150, true}, {111, 150, false}, {90, 150, true}, {89, 150, false},
                                       {100, 100, true}, {100, 200, true}, {100, 201, false}, {100, 99, false}};
    ExpectHits(*PlacedWire(canvas, 100, 100, 100, 200), vertical);
    ExpectHits(*PlacedWire(canvas, 100, 200, 100, 100), vertical);
    const std::vector<Hit> horizontal = {{150, 110, true}, {150, 111, false}, {150, 90, true}, {150, 89, false},
                                         {100, 100, true}, {200, 100, true}, {201, 100, false}, {99, 100, false}};
    ExpectHits(*PlacedWire(canvas, 100, 100, 200, 100), horizontal);
    ExpectHits(*PlacedWire(canvas, 200, 100, 100, 100), horizontal);
}

TEST(WireHitTest, ObliqueWiresHitNearTheirPoints)
{
    RecordingCanvas canvas;
    const std::vector<Hit> shallow = {{50, 25, true}, {50, 50, false}, {0, 0, true}, {110, 50, true},
                                      {111, 50, false}, {-10, -10, true}, {-11, 0, false}, {20, 40, false}};
    ExpectHits(*PlacedWire(canvas, 0, 0, 100, 50), shallow);
    ExpectHits(*PlacedWire(canvas, 100, 50, 0, 0), shallow);
    const std::vector<Hit> steep = {{10, 50, true}, {30, 100, true}, {31, 100, false}, {0, -10, true},
                                    {0, -11, false}, {40, 50, false}};
    ExpectHits(*PlacedWire(canvas, 0, 0, 20, 100), steep);
    ExpectHits(*PlacedWire(canvas, 20, 100, 0, 0), steep);
    const std::vector<Hit> rising = {{50, 50, true}, {0, 100, true}, {100, 0, true}, {50, 80, false}};
    ExpectHits(*PlacedWire(canvas, 0, 100, 100, 0), rising);
}

// The coordinate along an oblique wire is a 32-bit float grown by the slope at
// each pixel, so its rounding drift decides the points at the 10-pixel edge:
// 0.1 added ten times is just above 1, thirty times just below 3.
TEST(WireHitTest, ObliqueEdgeFollowsTheSteppedFloat)
{
    RecordingCanvas canvas;
    struct Wire {
        int x1, y1, x2, y2;
        std::vector<Hit> hits;
    };
    const std::vector<Wire> wires = {
        {0, 0, 100, 10, {{20, 13, false}, {40, -8, true}, {50, 16, false}, {0, 11, true}}},
        {0, 10, 100, 0, {{20, 19, false}, {0, -2, true}}},
        {0, 0, 10, 100, {{13, 20, false}, {-8, 40, true}, {11, 0, true}}},
        {0, 100, 10, 0, {{-10, 80, true}, {-5, 30, true}}},
    };
    for (const Wire& w : wires) {
        SCOPED_TRACE(std::to_string(w.x1) + "," + std::to_string(w.y1) + " to " + std::to_string(w.x2) + ","
                     + std::to_string(w.y2));
        ExpectHits(*PlacedWire(canvas, w.x1, w.y1, w.x2, w.y2), w.hits);
        ExpectHits(*PlacedWire(canvas, w.x2, w.y2, w.x1, w.y1), w.hits);
    }
}

TEST(ElementHitTest, OtherKindsHitInsideTheirBox)
{
    RecordingCanvas canvas;
    GCompo part('R', &canvas, false, false, false);
    part.X = 100;
    part.Y = 100;
    part.Draw(true, false);
    EXPECT_TRUE(part.HitTest(92, 100));
    EXPECT_TRUE(part.HitTest(108, 160));
    EXPECT_FALSE(part.HitTest(91, 100));
    EXPECT_FALSE(part.HitTest(100, 161));
}

}  // namespace
