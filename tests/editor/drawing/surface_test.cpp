// The surface: ghosts that leave no trace, node labels shown once, the picture
// of the parts, and drawings that survive saving and loading.
#include "editor/drawing/Picture.h"
#include "editor/files/SchematicFile.h"
#include "tests/editor/EditorHarness.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Counts what the editor draws on a surface between two checks.
class CountingCanvas : public ImageCanvas {
public:
    CountingCanvas() : ImageCanvas(SurfaceWidth, SurfaceHeight) {}
    void SetPenMode(PenMode mode) override
    {
        ghosts += mode == PenMode::NotXor;
        ImageCanvas::SetPenMode(mode);
    }
    void Rectangle(int x1, int y1, int x2, int y2) override
    {
        repaints += x1 == -5 && y1 == -5;
        ImageCanvas::Rectangle(x1, y1, x2, y2);
    }
    int ghosts = 0;
    int repaints = 0;
};

TEST(Ghosts, EachMoveDrawsTwoGhostsAndNoRepaint)
{
    PartClipboard clipboard;
    ScriptedDialogs dialogs;
    CountingCanvas surface;
    SchematicEditor editor(surface, clipboard, dialogs, "", false);
    editor.ChooseKind("LIndutt");
    editor.MouseMove(100, 100, false);
    surface.ghosts = surface.repaints = 0;
    for (int i = 0; i < 10; ++i)
        editor.MouseMove(100 + 7 * i, 200, false);
    EXPECT_EQ(surface.ghosts, 20);
    EXPECT_EQ(surface.repaints, 0);
    editor.MouseDown(MouseButton::Left, 163, 200, false);
    EXPECT_EQ(surface.repaints, 1) << "a drop repaints";
}

// Any script of tools, moves, clicks, turns, drags, bands, pastes and keys
// leaves the surface as a fresh paint of the parts once the ghosts are gone.
TEST(Ghosts, RandomScriptsLeaveNoStrayPixels)
{
    TempFolder folder;
    WriteAmpSymbol(folder);
    for (unsigned seed = 1; seed <= 6; ++seed) {
        PartClipboard clipboard;
        ScriptedDialogs dialogs;
        EditorWindow window(clipboard, dialogs, folder.Folder());
        SchematicEditor& editor = window.editor;
        std::mt19937 random(seed);
        auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        auto point = [&] { return Pt{40 + pick(700), 40 + pick(700)}; };
        bool held = false;
        for (int step = 0; step < 400; ++step) {
            Pt p = point();
            switch (pick(16)) {
            case 0: editor.ChooseKind(std::string(1, "RCLVHEOnKgviQ"[pick(13)])); break;
            case 1: editor.ChooseWire(); break;
            case 2: editor.ChooseSubcircuit("amp"); break;
            case 3:
                editor.Text().Text = "x\xE7" "2";
                editor.TextOk();
                break;
            case 4: editor.MouseDown(MouseButton::Right, p.x, p.y, false); break;
            case 5:
                editor.MouseDown(MouseButton::Left, p.x, p.y, pick(2) == 0);
                held = true;
                break;
            case 6:
                editor.MouseUp(pick(3) ? MouseButton::Left : MouseButton::Middle, p.x, p.y);
                held = false;
                break;
            case 7: editor.KeyUp(VirtualKey::Escape, false, p, false); break;
            case 8: editor.KeyUp(VirtualKey::C, true, p, false); break;
            case 9: editor.KeyUp(VirtualKey::V, true, p, false); break;
            case 10: editor.SetGrid(pick(2) == 0); break;
            case 11: editor.KeyUp(pick(3) ? VirtualKey::X : VirtualKey::Delete, pick(2) == 0, p, false); break;
            default: editor.MouseMove(p.x, p.y, held); break;
            }
        }
        editor.MouseUp(MouseButton::Left, 500, 500);
        editor.KeyUp(VirtualKey::Escape, false, {0, 0}, false);
        if (editor.PastePending())
            editor.MouseDown(MouseButton::Left, 500, 500, false);
        editor.MouseUp(MouseButton::Left, 500, 500);
        EXPECT_EQ(editor.Placing(), nullptr) << seed;
        EXPECT_FALSE(editor.PastePending());
        EXPECT_EQ(window.surface.Image(), window.Repainted()) << "seed " << seed;
        EXPECT_GT(window.Parts().size(), 5u);
    }
}

TEST(Ghosts, WhileAPartFollowsTheMouseTheSurfaceIsThePaintAndOneGhost)
{
    PartClipboard clipboard;
    ScriptedDialogs dialogs;
    EditorWindow window(clipboard, dialogs);
    window.Place('R', {100, 100});
    window.editor.ChooseKind("OpAmp");
    window.Move(300, 300);
    window.Click(300, 300, MouseButton::Right);
    window.Move(310, 320);
    window.Key(VirtualKey::Delete);  // repaints under the ghost
    window.Move(330, 340);
    ImageCanvas expected(SurfaceWidth, SurfaceHeight);
    PaintSurface(window.Doc(), expected, true);
    GCompo ghost(*window.editor.Placing(), &expected);
    ghost.X = 330;
    ghost.Y = 340;
    ghost.Draw(false, false);
    EXPECT_EQ(window.surface.Image(), expected.Image());
}

TEST(NodeLabels, ShowOnceAfterCheckNodes)
{
    PartClipboard clipboard;
    ScriptedDialogs dialogs;
    EditorWindow window(clipboard, dialogs);
    window.Place('V', {100, 100});
    window.Place('g', {100, 160});
    window.Wire({100, 100}, {200, 100});
    window.Place('R', {200, 100});
    window.Place('g', {200, 160});
    QImage plain = window.surface.Image().copy();
    window.editor.CheckNodes();
    EXPECT_EQ(window.Doc().NodeCount, 2);
    EXPECT_TRUE(window.Doc().NodeLabels.empty()) << "drawn and freed";
    EXPECT_NE(window.surface.Image(), plain);
    EXPECT_EQ(window.surface.PixelAt(150, 100), clRed) << "the wire in the colour of node 1";
    window.editor.Repaint();
    EXPECT_EQ(window.surface.Image(), plain);
}

TEST(Picture, BoxOfThePartsWithFortyPixelMargins)
{
    Schematic s;
    auto wire = std::make_unique<GCompo>('W', nullptr, false, false, false);
    wire->Left = 100;
    wire->Top = 200;  // a rising wire: its left end is the lower one
    wire->Right = 300;
    wire->Bottom = 100;
    s.Parts.push_back(std::move(wire));
    std::optional<PictureFrame> frame = PictureGeometry(s);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->Left, 60);
    EXPECT_EQ(frame->Top, 60);
    EXPECT_EQ(frame->Width, 280);
    EXPECT_EQ(frame->Height, 180);
    EXPECT_FALSE(PictureGeometry(Schematic{})) << "no parts, no picture";

    // A part of a damaged file far off the surface: the picture shows the surface only.
    s.Parts[0]->Right = 90000;
    s.Parts[0]->Top = 70000;
    frame = PictureGeometry(s);
    EXPECT_EQ(frame->Width, SurfaceWidth - 100 + 80);
    EXPECT_EQ(frame->Height, SurfaceHeight - 100 + 80);
    s.Parts[0]->Right = 300;
    s.Parts[0]->Top = 200;
    s.Parts[0]->Left = -90000;
    s.Parts[0]->Bottom = -70000;
    frame = PictureGeometry(s);
    EXPECT_EQ(std::make_pair(frame->Left, frame->Top), std::make_pair(-40, -40));
    EXPECT_EQ(std::make_pair(frame->Width, frame->Height), std::make_pair(300 + 80, 200 + 80));
    s.Parts[0]->Left = 100;
    s.Parts[0]->Bottom = 100;
    frame = PictureGeometry(s);

    PrintPlacement page = PrintTarget(*frame, 4960, 1280);
    EXPECT_EQ(page.Width, 1085);  // trunc(280 * 3.875)
    EXPECT_EQ(page.Height, 697);
    EXPECT_EQ(page.Left, 1937);
    EXPECT_EQ(page.Top, 100);
}

TEST(Picture, ShowsThePartsWhereTheyLieInTheFrame)
{
    PartClipboard clipboard;
    ScriptedDialogs dialogs;
    EditorWindow window(clipboard, dialogs);
    window.Wire({100, 100}, {300, 200});
    window.Place('R', {200, 100});
    window.Click(200, 130);
    window.editor.CheckNodes();
    std::optional<PictureFrame> frame = PictureGeometry(window.Doc());
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->Width, 280);
    EXPECT_EQ(frame->Height, 180);
    ImageCanvas picture(frame->Width, frame->Height);
    picture.Image().fill(Qt::black);
    DrawPicture(window.Doc(), *frame, picture);
    // The same pixels as on the surface, less the grid and the node colours.
    window.editor.SetGrid(false);
    QImage expected = window.surface.Image().copy(frame->Left, frame->Top, frame->Width, frame->Height);
    EXPECT_EQ(picture.Image(), expected);
    EXPECT_EQ(window.Parts()[1]->Canvas, &window.surface);
}

using DrawingTest = AmpWindow;

TEST_F(DrawingTest, SaveReloadAndSaveAgainGiveTheSameBytes)
{
    EditorWindow& drawn = window;
    drawn.Place('V', {100, 200});
    drawn.Place('R', {220, 200}, 1);
    drawn.Place('C', {260, 200});
    drawn.Wire({220, 200}, {260, 200});
    drawn.Place('g', {100, 260});
    drawn.Place('n', {400, 200}, 3);
    drawn.editor.ChooseSubcircuit("amp");
    drawn.MoveClick(500, 300);
    drawn.editor.ChooseText();
    drawn.editor.Text().Text = "A $61 filter";
    drawn.editor.TextOk();
    drawn.MoveClick(103, 57);
    dialogs.options.push_back([](ModelOptionsForm& form) {
        form.Checked[0] = true;
        return true;
    });
    drawn.editor.ChooseTransistor('q');
    drawn.Move(600, 600);
    drawn.MoveClick(600, 600);
    drawn.Key(VirtualKey::Escape);
    drawn.Parts()[1]->Value = 1.5e3;
    std::string error;
    ASSERT_TRUE(SaveSchemaAs(drawn.Doc(), folder / "a.sch", error)) << error;
    EXPECT_EQ(drawn.editor.Caption(), "Schema: " + folder / "a.sch");

    EditorWindow loaded(clipboard, dialogs, folder.Folder());
    EXPECT_EQ(loaded.editor.Caption(), "Schema");
    ASSERT_TRUE(loaded.editor.Load(folder / "a.sch", error)) << error;
    EXPECT_FALSE(loaded.Doc().Modified);
    ASSERT_EQ(loaded.Parts().size(), drawn.Parts().size());
    for (std::size_t i = 0; i < drawn.Parts().size(); ++i) {
        const GCompo &p = *drawn.Parts()[i], &q = *loaded.Parts()[i];
        EXPECT_EQ(SchematicLine(p), SchematicLine(q));
        EXPECT_EQ(p.TermCount, q.TermCount);
        for (int t = 0; t < p.TermCount; ++t) {
            EXPECT_EQ(p.TermX[t], q.TermX[t]);
            EXPECT_EQ(p.TermY[t], q.TermY[t]);
        }
        EXPECT_EQ(NormalBox(p).Left, NormalBox(q).Left);
        EXPECT_EQ(NormalBox(p).Bottom, NormalBox(q).Bottom);
    }
    EXPECT_EQ(loaded.surface.Image(), drawn.Repainted());
    ASSERT_TRUE(SaveSchemaAs(loaded.Doc(), folder / "b.sch", error)) << error;
    EXPECT_EQ(ReadBytes(folder / "b.sch"), ReadBytes(folder / "a.sch"));
}

}  // namespace
