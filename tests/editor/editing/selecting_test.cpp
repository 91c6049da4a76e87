// Selecting by click and rubber band, dragging, deleting, and where dropped parts end.
#include "tests/editor/EditorHarness.h"

#include <gtest/gtest.h>

namespace {

class SelectingTest : public OneWindow {
protected:
    // R1 at (100, 100), C1 at (200, 100), a rising wire from (300, 200) to (400, 100).
    void SetUp() override
    {
        window.Place('R', {100, 100});
        window.Place('C', {200, 100});
        window.Wire({300, 200}, {400, 100});
    }
    std::vector<int> Selected()
    {
        std::vector<int> flags;
        for (const auto& part : window.Parts())
            flags.push_back(part->Selected);
        return flags;
    }
};

TEST_F(SelectingTest, ClickSelectsOneShiftAddsAndRemoves)
{
    window.Click(100, 130);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 0, 0}));
    window.Click(200, 130, MouseButton::Left, true);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 1, 0}));
    window.Click(100, 130, MouseButton::Left, true);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 0}));
    window.Click(350, 150, MouseButton::Middle);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 0, 1}));
    window.Click(600, 600);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 0, 0})) << "a click on nothing deselects all";
    EXPECT_EQ(window.surface.Image(), window.Repainted());
}

TEST_F(SelectingTest, BandSelectsWhatLiesWhollyInsideInEitherDirection)
{
    struct Case {
        Pt from, to;
        std::vector<int> selected;
    };
    const Case cases[] = {
        {{50, 50}, {250, 200}, {1, 1, 0}},
        {{250, 200}, {50, 50}, {1, 1, 0}},
        {{150, 50}, {250, 200}, {0, 1, 0}},
        {{95, 50}, {250, 200}, {0, 1, 0}},  // R1 only partly inside
        {{290, 90}, {410, 210}, {0, 0, 1}},
        {{420, 80}, {280, 220}, {0, 0, 1}},
        {{290, 90}, {410, 190}, {0, 0, 0}},  // the wire's lower end is outside
        {{290, 110}, {410, 210}, {0, 0, 0}},  // its upper end is outside
        {{0, 0}, {999, 999}, {1, 1, 1}},
    };
    for (const Case& c : cases) {
        window.Click(100, 130);
        window.Drag(c.from, c.to, true);
        EXPECT_EQ(Selected(), c.selected) << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
        EXPECT_FALSE(editor.BandActive());
        EXPECT_EQ(window.surface.Image(), window.Repainted());
    }
}

TEST_F(SelectingTest, BandRectangleFollowsTheMouseAndLeavesNoTrace)
{
    editor.MouseDown(MouseButton::Left, 500, 500, false);
    EXPECT_TRUE(editor.BandActive());
    for (int i = 1; i <= 5; ++i)
        editor.MouseMove(500 + 40 * i, 500 - 30 * i, true);
    EXPECT_EQ(window.surface.PixelAt(699, 400), clBlack) << "the band's corner";
    editor.MouseUp(MouseButton::Left, 700, 350);
    EXPECT_EQ(window.surface.Image(), window.Repainted());
}

TEST_F(SelectingTest, DraggedWireMovesTheEndNearerToTheGrab)
{
    struct Case {
        Pt grab;
        Pt moving, fixed;  // the ends after the drag to (500, 500)
    };
    // The wire's moving end is (400, 100), its fixed end (300, 200).
    const Case cases[] = {
        {{310, 190}, {500, 500}, {400, 100}},
        {{390, 110}, {500, 500}, {300, 200}},
        {{350, 150}, {500, 500}, {300, 200}},  // equal distances: the moving end
    };
    for (const Case& c : cases) {
        GCompo& wire = *window.Parts()[2];
        wire.X = 400;
        wire.Y = 100;
        wire.X2 = 300;
        wire.Y2 = 200;
        editor.Repaint();
        window.Click(c.grab.x, c.grab.y);
        ASSERT_TRUE(wire.Selected);
        window.Drag(c.grab, {500, 500});
        ASSERT_EQ(window.Parts().size(), 3u);
        const GCompo& moved = *window.Parts()[2];
        EXPECT_EQ(moved.X, c.moving.x);
        EXPECT_EQ(moved.Y, c.moving.y);
        EXPECT_EQ(moved.X2, c.fixed.x) << "grabbed at " << c.grab.x;
        EXPECT_EQ(moved.Y2, c.fixed.y);
        EXPECT_FALSE(moved.Selected);
        EXPECT_EQ(window.surface.Image(), window.Repainted());
    }
}

TEST_F(SelectingTest, DraggedResistorKeepsNameAndValueAndBecomesLast)
{
    window.Parts()[0]->Value = 4700;
    window.Doc().Modified = false;
    window.Click(100, 130);
    window.Drag({100, 130}, {404, 237});
    EXPECT_EQ(window.Names(), (std::vector<std::string>{"C1", "", "R1"}));
    const GCompo& r1 = *window.Parts()[2];
    EXPECT_EQ(r1.X, 400) << "moved by the mouse less the grab offset, on the grid";
    EXPECT_EQ(r1.Y, 210);
    EXPECT_EQ(r1.Value, 4700);
    EXPECT_FALSE(editor.Dragging());
    EXPECT_EQ(editor.Placing(), nullptr);
    EXPECT_TRUE(window.Doc().Modified);
    EXPECT_EQ(window.surface.Image(), window.Repainted());
}

TEST_F(SelectingTest, RightClickWhileDraggingTurnsTheDraggedPart)
{
    window.Click(200, 130);
    editor.MouseDown(MouseButton::Left, 200, 130, false);
    editor.MouseMove(210, 130, true);
    editor.MouseMove(300, 400, true);
    window.Click(300, 400, MouseButton::Right);
    editor.MouseMove(320, 400, true);
    editor.MouseUp(MouseButton::Left, 320, 400);
    const GCompo& c1 = *window.Parts().back();
    EXPECT_EQ(c1.Name, "C1");
    EXPECT_EQ(c1.Orientation, 1);
    EXPECT_EQ(window.surface.Image(), window.Repainted());
}

TEST_F(SelectingTest, EscDuringADragPutsThePartBack)
{
    window.Click(100, 130);
    editor.MouseDown(MouseButton::Left, 100, 130, false);
    editor.MouseMove(101, 130, true);
    EXPECT_TRUE(editor.Dragging());
    EXPECT_EQ(window.Parts().size(), 2u);
    editor.MouseMove(500, 600, true);
    window.Click(500, 600, MouseButton::Right);
    window.Key(VirtualKey::Escape);
    EXPECT_FALSE(editor.Dragging());
    EXPECT_EQ(editor.Placing(), nullptr);
    ASSERT_EQ(window.Names(), (std::vector<std::string>{"R1", "C1", ""}));
    const GCompo& r1 = *window.Parts()[0];
    EXPECT_EQ(r1.X, 100);
    EXPECT_EQ(r1.Y, 100);
    EXPECT_EQ(r1.Orientation, 0);
    EXPECT_TRUE(r1.Selected);
    editor.MouseUp(MouseButton::Left, 500, 600);
    EXPECT_EQ(window.Parts().size(), 3u) << "the release drops nothing";
    EXPECT_EQ(window.surface.Image(), window.Repainted());

    // A tool chosen during a drag puts the part back the same way.
    editor.MouseDown(MouseButton::Left, 100, 130, false);
    editor.MouseMove(100, 131, true);
    editor.MouseMove(300, 300, true);
    editor.ChooseWire();
    EXPECT_EQ(window.Names(), (std::vector<std::string>{"R1", "C1", ""}));
}

TEST_F(SelectingTest, DragWithoutAFurtherMoveLeavesThePartWhereItWas)
{
    window.Click(200, 130);
    editor.MouseDown(MouseButton::Left, 200, 130, false);
    editor.MouseMove(202, 131, true);
    editor.MouseUp(MouseButton::Left, 202, 131);
    EXPECT_EQ(window.Parts().back()->X, 200);
    EXPECT_EQ(window.Parts().back()->Y, 100);

    window.Click(310, 190);
    editor.MouseDown(MouseButton::Left, 310, 190, false);
    editor.MouseMove(311, 190, true);
    editor.MouseUp(MouseButton::Left, 311, 190);
    const GCompo& wire = *window.Parts().back();
    EXPECT_EQ(wire.Kind, 'W');
    EXPECT_EQ(std::min(wire.X, wire.X2), 300) << "the wire keeps both ends";
    EXPECT_EQ(std::max(wire.X, wire.X2), 400);
}

TEST_F(SelectingTest, DeleteFreesTheSelectedParts)
{
    window.Click(100, 130);
    window.Click(350, 150, MouseButton::Left, true);
    window.Doc().Modified = false;
    window.Key(VirtualKey::Delete);
    EXPECT_EQ(window.Names(), (std::vector<std::string>{"C1"}));
    EXPECT_TRUE(window.Doc().Modified);
    EXPECT_EQ(window.surface.Image(), window.Repainted());
}

TEST_F(SelectingTest, DroppedPartsStayOnTheSurface)
{
    struct Case {
        char kind;
        int orientation;
        Pt at;
    };
    const Case cases[] = {
        {'R', 0, {500, 980}}, {'R', 1, {20, 500}}, {'O', 0, {960, 500}}, {'C', 2, {500, 20}},
        {'Q', 2, {995, 995}}, {'E', 0, {10, 10}},  {'R', 0, {-50, -70}},
    };
    for (const Case& c : cases) {
        GCompo& part = window.Place(c.kind, c.at, c.orientation);
        EXPECT_GE(part.Left, 0) << c.kind << c.orientation;
        EXPECT_GE(part.Top, 0) << c.kind << c.orientation;
        EXPECT_LE(part.Right, SurfaceWidth - 1) << c.kind << c.orientation;
        EXPECT_LE(part.Bottom, SurfaceHeight - 1) << c.kind << c.orientation;
        EXPECT_EQ(part.X % 10, 0);
        EXPECT_EQ(part.Y % 10, 0);
    }
    // A part dragged off the surface comes back onto it.
    window.Drag({500, 980}, {500, 1400});
    EXPECT_LE(window.Parts().back()->Bottom, SurfaceHeight - 1);
    // A wire whose end is released beyond the edge ends on the edge.
    editor.ChooseWire();
    window.MoveClick(900, 900);
    window.MoveClick(1200, -40);
    const GCompo& wire = *window.Parts().back();
    EXPECT_EQ(wire.X, 990);
    EXPECT_EQ(wire.Y, 30) << "the final drawing puts negative coordinates at 30";
    EXPECT_EQ(wire.X2, 900);
}

}  // namespace
