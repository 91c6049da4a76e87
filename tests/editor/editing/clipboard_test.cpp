// Copy, cut and paste through the clipboard that all windows share.
#include "tests/editor/EditorHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ClipboardTest : public ::testing::Test {
protected:
    // R1, R2 and C1 in a row in window a; R1 and C1 selected.
    void SetUp() override
    {
        a->Place('R', {100, 100});
        a->Place('R', {200, 100});
        a->Wire({250, 200}, {350, 250});
        a->Place('C', {300, 100});
        a->Click(100, 130);
        a->Click(300, 130, MouseButton::Left, true);
    }
    // Paste at the cursor, move, drop.
    static void PasteAt(EditorWindow& window, Pt cursor, Pt drop)
    {
        window.Key(VirtualKey::V, true, cursor);
        window.Move(drop.x, drop.y);
        window.Click(drop.x, drop.y);
    }

    PartClipboard clipboard;
    ScriptedDialogs dialogs;
    std::unique_ptr<EditorWindow> a = std::make_unique<EditorWindow>(clipboard, dialogs);
    EditorWindow b{clipboard, dialogs};
};

TEST_F(ClipboardTest, CopiesAreNamedAnewAndSitAroundTheMouse)
{
    a->Doc().Modified = false;
    a->Key(VirtualKey::C, true);
    EXPECT_FALSE(a->Doc().Modified);
    ASSERT_EQ(clipboard.Parts().size(), 2u);
    EXPECT_EQ(clipboard.Parts()[0]->Kind, 'C') << "the reference: the selected part last in the list";
    for (const auto& part : clipboard.Parts()) {
        EXPECT_EQ(part->Canvas, nullptr);
        EXPECT_EQ(part->Name, "");
    }
    a->Key(VirtualKey::V, true, {500, 500});
    EXPECT_TRUE(a->editor.PastePending());
    EXPECT_TRUE(a->Doc().Modified);
    a->Move(512, 523);
    a->Click(512, 523);
    EXPECT_FALSE(a->editor.PastePending());
    ASSERT_EQ(a->Names(), (std::vector<std::string>{"R1", "R2", "", "C1", "C2", "R3"}));
    const GCompo& c2 = *a->Parts()[4];
    const GCompo& r3 = *a->Parts()[5];
    EXPECT_EQ(c2.X, 510);
    EXPECT_EQ(c2.Y, 520);
    EXPECT_EQ(r3.X, 310) << "R1 lay 200 pixels left of C1";
    EXPECT_EQ(r3.Y, 520);
    EXPECT_EQ(clipboard.Parts().size(), 2u) << "the clipboard keeps its parts";
    EXPECT_EQ(a->surface.Image(), a->Repainted());
}

TEST_F(ClipboardTest, CutPartsKeepTheirNamesEveryTimeTheyArePasted)
{
    a->Doc().Modified = false;
    a->Key(VirtualKey::X, true);
    EXPECT_TRUE(a->Doc().Modified);
    EXPECT_EQ(a->Names(), (std::vector<std::string>{"R2", ""}));
    EXPECT_EQ(a->surface.Image(), a->Repainted());
    PasteAt(*a, {500, 500}, {500, 500});
    PasteAt(*a, {600, 600}, {600, 700});
    EXPECT_EQ(a->Names(), (std::vector<std::string>{"R2", "", "C1", "R1", "C1", "R1"}));
    EXPECT_EQ(a->surface.Image(), a->Repainted());
}

TEST_F(ClipboardTest, PastingIntoAnotherWindowOutlivesTheWindowCopiedFrom)
{
    a->Key(VirtualKey::C, true);
    a.reset();
    PasteAt(b, {400, 400}, {400, 400});
    b.Key(VirtualKey::V, true, {100, 700});
    b.Move(150, 650);
    b.Click(150, 650);
    EXPECT_EQ(b.Names(), (std::vector<std::string>{"C1", "R1", "C2", "R2"}));
    for (const auto& part : b.Parts())
        EXPECT_EQ(part->Canvas, &b.surface);
    EXPECT_EQ(b.surface.Image(), b.Repainted());
}

TEST_F(ClipboardTest, PastedWireMovesWhole)
{
    a->Click(300, 225);
    ASSERT_TRUE(a->Parts()[2]->Selected);
    a->Click(100, 130, MouseButton::Left, true);
    a->Key(VirtualKey::C, true);
    PasteAt(b, {0, 0}, {600, 600});
    ASSERT_EQ(b.Names(), (std::vector<std::string>{"", "R1"}));
    const GCompo& wire = *b.Parts()[0];
    EXPECT_EQ(wire.X, 600) << "the wire is the reference";
    EXPECT_EQ(wire.Y, 600);
    EXPECT_EQ(wire.X2, 500);
    EXPECT_EQ(wire.Y2, 550);
    EXPECT_FALSE(wire.MoveWhole);
    EXPECT_EQ(b.Parts()[1]->X, 350);
    EXPECT_EQ(b.Parts()[1]->Y, 450);
}

TEST_F(ClipboardTest, PasteAgainBeforeDroppingLeavesOneSetOfGhosts)
{
    a->Key(VirtualKey::C, true);
    b.Key(VirtualKey::V, true, {300, 300});
    b.Move(320, 300);
    b.Key(VirtualKey::V, true, {500, 500});
    b.Move(520, 500);
    b.editor.Repaint();
    b.Move(540, 500);
    b.Click(540, 500);
    EXPECT_EQ(b.Names(), (std::vector<std::string>{"C1", "R1"}));
    EXPECT_EQ(b.surface.Image(), b.Repainted());
}

TEST_F(ClipboardTest, CopyWithNothingSelectedEmptiesTheClipboard)
{
    a->Key(VirtualKey::C, true);
    a->Click(700, 700);
    a->Key(VirtualKey::C, true);
    EXPECT_TRUE(clipboard.Empty());
    b.Key(VirtualKey::V, true, {300, 300});
    EXPECT_FALSE(b.editor.PastePending());
    EXPECT_TRUE(b.Doc().Modified);
    EXPECT_EQ(b.surface.Image(), b.Repainted());
}

}  // namespace
