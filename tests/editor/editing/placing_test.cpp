// Placing parts with the mouse: repeated placement, rotation, wires, the grid,
// transistor and subcircuit tools, texts.
#include "editor/subcircuits/SubcircuitList.h"
#include "tests/editor/EditorHarness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using PlacingTest = OneWindow;

TEST_F(PlacingTest, ThreeClicksPlaceThreeNamedResistorsOnTheGrid)
{
    editor.ChooseKind("Resistore");
    window.MoveClick(34, 47);
    window.MoveClick(135, 44);
    window.MoveClick(206, 203);
    ASSERT_EQ(window.Names(), (std::vector<std::string>{"R1", "R2", "R3"}));
    const Pt expected[] = {{30, 50}, {140, 40}, {210, 200}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window.Parts()[i]->X, expected[i].x);
        EXPECT_EQ(window.Parts()[i]->Y, expected[i].y);
    }
    window.Move(400, 400);
    ASSERT_NE(editor.Placing(), nullptr);
    EXPECT_EQ(editor.Placing()->Kind, 'R');
    EXPECT_EQ(editor.Placing()->X, 400);
    EXPECT_NE(window.surface.Image(), window.Repainted()) << "the fourth follows the mouse";
    window.Key(VirtualKey::Escape);
    EXPECT_EQ(editor.Placing(), nullptr);
    EXPECT_EQ(window.surface.Image(), window.Repainted());
    EXPECT_EQ(window.Parts().size(), 3u);
}

TEST_F(PlacingTest, RightOrMiddleClicksTurnThePartOneStepEach)
{
    struct Case {
        char kind;
        int steps;
    };
    for (Case c : {Case{'R', 8}, Case{'C', 8}, Case{'O', 8}, Case{'Q', 8}, Case{'n', 4}, Case{'K', 4}, Case{'g', 8}}) {
        editor.ChooseKind(std::string(1, c.kind));
        window.Move(300, 300);
        for (int i = 1; i <= 9; ++i) {
            window.Click(310, 320, i % 2 ? MouseButton::Right : MouseButton::Middle);
            EXPECT_EQ(editor.Placing()->Orientation, i % c.steps) << c.kind << " after " << i;
            EXPECT_EQ(editor.Placing()->X, 310) << "turned where the mouse is";
            EXPECT_EQ(editor.Placing()->Y, 320);
        }
        window.Click(310, 320);
        EXPECT_EQ(window.Parts().back()->Orientation, 9 % c.steps);
        EXPECT_EQ(editor.Placing()->Orientation, 9 % c.steps) << "the next one keeps the turn";
    }
    window.Key(VirtualKey::Escape);
    EXPECT_EQ(window.surface.Image(), window.Repainted());
}

TEST_F(PlacingTest, WireTakesTwoClicksWithItsFixedEndSnapped)
{
    editor.ChooseWire();
    EXPECT_TRUE(window.Doc().Modified);
    window.MoveClick(23, 47);
    ASSERT_NE(editor.Placing(), nullptr);
    EXPECT_EQ(editor.Placing()->X2, 20);
    EXPECT_EQ(editor.Placing()->Y2, 50);
    EXPECT_TRUE(editor.Placing()->StartFixed);
    EXPECT_TRUE(window.Parts().empty());
    window.MoveClick(104, 52);
    ASSERT_EQ(window.Parts().size(), 1u);
    const GCompo& wire = *window.Parts()[0];
    EXPECT_EQ(wire.X, 100);
    EXPECT_EQ(wire.Y, 50);
    EXPECT_EQ(wire.X2, 20);
    EXPECT_EQ(wire.Y2, 50);
    EXPECT_EQ(wire.Name, "");
    EXPECT_FALSE(editor.Placing()->StartFixed) << "the next wire waits for its first click";
    window.Click(200, 200);
    EXPECT_TRUE(editor.Placing()->StartFixed);
    EXPECT_EQ(editor.Placing()->X2, 200);
    EXPECT_EQ(window.Parts().size(), 1u);
    window.Move(250, 200);
    window.Key(VirtualKey::Escape);
    EXPECT_EQ(window.surface.Image(), window.Repainted());
}

TEST_F(PlacingTest, GridToggleWhilePlacingRemovesTheGhostUntilTheNextMove)
{
    editor.ChooseKind("Condens");
    window.Move(200, 200);
    editor.SetGrid(false);
    EXPECT_EQ(window.surface.PixelAt(100, 100), clWhite);
    EXPECT_EQ(window.surface.Image(), window.Repainted()) << "no ghost left";
    window.Move(300, 300);
    EXPECT_NE(window.surface.Image(), window.Repainted());
    window.Click(300, 300);
    EXPECT_EQ(window.Parts().back()->X, 300) << "parts snap with the grid hidden";
    editor.SetGrid(true);
    EXPECT_EQ(window.surface.PixelAt(100, 100), RGBColor(192, 192, 192));
    window.Move(123, 456);
    window.Key(VirtualKey::Escape);
    EXPECT_EQ(window.surface.Image(), window.Repainted());
}

TEST_F(PlacingTest, TextsDoNotSnapAndTheTextPanelKeepsItsText)
{
    editor.ChooseText();
    EXPECT_TRUE(editor.Text().Visible);
    editor.Text().Text = "V";
    editor.Text().AppendSubscript();
    editor.Text().Text += "out";
    editor.Text().AppendSubscript();
    editor.Text().AppendSuperscript();
    window.Key(VirtualKey::Enter);
    EXPECT_FALSE(editor.Text().Visible);
    ASSERT_NE(editor.Placing(), nullptr);
    EXPECT_EQ(editor.Placing()->Text, "V\xA3out\xA3\xE7");
    window.MoveClick(53, 301);
    EXPECT_EQ(window.Parts()[0]->X, 53);
    EXPECT_EQ(window.Parts()[0]->Y, 301);
    editor.ChooseText();
    EXPECT_EQ(editor.Placing(), nullptr) << "the text tool drops the part that followed the mouse";
    EXPECT_EQ(editor.Text().Text, "V\xA3out\xA3\xE7");
    editor.TextCancel();
    EXPECT_FALSE(editor.Text().Visible);
    EXPECT_EQ(window.surface.Image(), window.Repainted());
}

TEST_F(PlacingTest, KeysTypedIntoTheTextPanelLeaveThePartsAlone)
{
    window.Place('R', {100, 100});
    window.Place('C', {200, 100});
    window.Click(100, 130);
    ASSERT_TRUE(window.Parts()[0]->Selected);
    editor.ChooseText();
    for (int key : {VirtualKey::Delete, VirtualKey::C, VirtualKey::X, VirtualKey::V})
        editor.KeyUp(key, true, {0, 0}, true);
    EXPECT_EQ(window.Parts().size(), 2u);
    EXPECT_TRUE(clipboard.Empty());
    editor.Text().Text = "gain";
    editor.KeyUp(VirtualKey::Enter, false, {0, 0}, true);
    EXPECT_FALSE(editor.Text().Visible);
    EXPECT_EQ(editor.Placing()->Text, "gain");
    editor.KeyUp(VirtualKey::Delete, false, {0, 0}, false);
    EXPECT_EQ(window.Names(), (std::vector<std::string>{"C1"}));
}

TEST_F(PlacingTest, TransistorToolsTakeTheirOptionsAndSkipOneMove)
{
    dialogs.options.push_back([](ModelOptionsForm& form) {
        EXPECT_EQ(form.Caption, "BJT h");
        EXPECT_FALSE(form.Checked[1]);
        form.Checked[1] = true;
        form.IsTypeN = false;
        return true;
    });
    editor.ChooseTransistor('Q');
    ASSERT_NE(editor.Placing(), nullptr);
    const GCompo& q = *editor.Placing();
    EXPECT_EQ(q.Text, "P");
    EXPECT_EQ(q.Param[1], 0.0);
    EXPECT_EQ(q.Param[3], 2.5e-05);
    EXPECT_TRUE(editor.SkipMove());
    window.Move(300, 300);
    EXPECT_EQ(q.X, -1000) << "the move after the dialog is ignored";
    window.Move(310, 300);
    EXPECT_EQ(q.X, 310);

    // Cancel changes nothing, not even the part that follows the mouse.
    editor.ChooseTransistor('M');
    EXPECT_EQ(editor.Placing(), &q);
    EXPECT_FALSE(editor.SkipMove());

    // The second BJT is offered what was chosen for the first.
    dialogs.options.push_back([](ModelOptionsForm& form) {
        EXPECT_TRUE(form.Checked[1]);
        EXPECT_FALSE(form.IsTypeN);
        return true;
    });
    editor.ChooseTransistor('Q');
    EXPECT_EQ(editor.Placing()->Param[3], 2.5e-05);
    dialogs.options.push_back([](ModelOptionsForm& form) {
        EXPECT_EQ(form.Caption, "MosFet");
        form.Checked[2] = true;
        return true;
    });
    editor.ChooseTransistor('M');
    EXPECT_EQ(editor.Placing()->Text, "N");
    EXPECT_EQ(editor.Placing()->Param[0], 0.0);
    EXPECT_EQ(editor.Placing()->Param[4], 1e-12);
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"BJT h", "MosFet", "BJT h", "MosFet"}));
}

using SubcircuitToolTest = AmpWindow;

TEST_F(SubcircuitToolTest, MissingFileIsReportedAndNothingFollowsTheMouse)
{
    window.editor.ChooseSubcircuit("amp");
    ASSERT_NE(window.editor.Placing(), nullptr);
    EXPECT_EQ(window.editor.Placing()->TermCount, 4);
    window.MoveClick(300, 300);
    EXPECT_EQ(window.Names(), (std::vector<std::string>{"X1"}));
    window.editor.ChooseSubcircuit("nosuch");
    EXPECT_EQ(window.editor.Placing(), nullptr);
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Error: SubCircuit nosuch Undefined!"}));
}

// A file copied into the subcircuit folder under a name that an instance
// line cannot hold ("X#..#X1#a#b" reads back as subcircuit "a") is offered,
// but not placed: nothing would be written that could not be read back.
TEST_F(SubcircuitToolTest, NameThatTheSchematicFileCannotHoldIsNotPlaced)
{
    const std::pair<std::string, std::string> names[] = {
        {"a#b", "a#b"}, {"a b", "a b"}, {"a\tb", "a\\tb"}, {"a\x7f" "b", "a^?b"}, {"a\x01" "b", "a^Ab"},
        {"a\x1b[0m", "a^[[0m"}, {"a\r\nb", "a\\r\\nb"}};
    for (const auto& [name, shown] : names) {
        SCOPED_TRACE(name);
        WriteBytes(folder / (name + ".sbc"), "6 4 L1 R1 B2 T3 \r\nR1 1 2 1000\r\n");
        const std::vector<std::string> offered = SubcircuitNames(folder.Folder());
        EXPECT_NE(std::find(offered.begin(), offered.end(), name), offered.end());
        window.editor.ChooseSubcircuit("amp");
        dialogs.messages.clear();
        window.editor.ChooseSubcircuit(name);
        EXPECT_EQ(window.editor.Placing(), nullptr);
        const std::string refused = "SubCircuit " + shown + " cannot be placed!\r\n"
                                    "The name of this subcircuit must not contain blanks, control characters or # !";
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{refused});
        window.MoveClick(300, 300);
        EXPECT_TRUE(window.Names().empty());
    }
}

// Modified after each step, as the window shows it to the close question.
TEST_F(PlacingTest, ModifiedFollowsTheEditingSteps)
{
    struct Step {
        const char* what;
        std::function<void()> run;
        bool modified;
    };
    const Step steps[] = {
        {"new window", [] {}, false},
        {"choose a part", [&] { editor.ChooseKind("R"); }, false},
        {"move it", [&] { window.Move(100, 100); }, false},
        {"drop it", [&] { window.Click(100, 100); }, true},
        {"save", [&] { window.Doc().Modified = false; }, false},
        {"Esc", [&] { window.Key(VirtualKey::Escape); }, false},
        {"select", [&] { window.Click(100, 130); }, false},
        {"copy", [&] { window.Key(VirtualKey::C, true); }, false},
        {"band", [&] { window.Drag({500, 500}, {600, 600}); }, false},
        {"Delete with nothing selected", [&] { window.Key(VirtualKey::Delete); }, false},
        {"right click on nothing", [&] { window.Click(700, 700, MouseButton::Right); }, false},
        {"property dialog, cancelled", [&] { window.Click(100, 130, MouseButton::Right); }, true},
        {"save", [&] { window.Doc().Modified = false; }, false},
        {"wire tool", [&] { editor.ChooseWire(); }, true},
        {"save", [&] { window.Doc().Modified = false; }, false},
        {"cursor", [&] { editor.ChooseCursor(); }, true},
        {"save", [&] { window.Doc().Modified = false; }, false},
        {"paste", [&] { editor.Paste({0, 0}); }, true},
    };
    for (const Step& step : steps) {
        step.run();
        EXPECT_EQ(window.Doc().Modified, step.modified) << step.what;
    }
}

}  // namespace
