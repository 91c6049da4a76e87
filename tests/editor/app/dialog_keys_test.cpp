// A dialog of the schematic window closes on the press of Esc or Enter; the
// release then reaches the window, which must not take it for a key of its
// own: Esc does what Cancel does, Enter what OK does.
#include <QApplication>
#include <functional>
#include <gtest/gtest.h>

#include "tests/editor/app/SchematicFrame.h"

namespace {

struct KeyCase {
    const char* name;
    Qt::Key key;
    // Puts the window into its state; returns the part a right click opens
    // the dialog of (none: the dialog comes from a button).
    std::function<GCompo*(TFormSch&)> prepare;
    std::function<void(TFormSch&, GCompo*)> openDialog;
};

void PrintTo(const KeyCase& c, std::ostream* out)
{
    *out << c.name;
}

// A resistor follows the mouse.
GCompo* PlacingResistor(TFormSch& w)
{
    w.Resistore->click();
    Move(w, 200, 200);
    return nullptr;
}

// The text panel is open, with a part of that button on the surface.
std::function<GCompo*(TFormSch&)> TextPanelBeside(QToolButton* TFormSch::*button)
{
    return [button](TFormSch& w) {
        GCompo* part = &Place(w, w.*button, 100, 100);
        w.Testo->click();
        return part;
    };
}

std::function<void(TFormSch&, GCompo*)> Press(QToolButton* TFormSch::*button)
{
    return [button](TFormSch& w, GCompo*) { (w.*button)->click(); };
}

void RightClick(TFormSch& w, GCompo* part)
{
    QTest::mouseClick(w.PBox, Qt::RightButton, Qt::NoModifier,
                      QPoint((part->Left + part->Right) / 2, (part->Top + part->Bottom) / 2));
}

const KeyCase kCases[] = {
    {"EscInBjtH", Qt::Key_Escape, PlacingResistor, Press(&TFormSch::BJThButt)},
    {"EscInBjtG", Qt::Key_Escape, PlacingResistor, Press(&TFormSch::BJTpButt)},
    {"EscInMos", Qt::Key_Escape, PlacingResistor, Press(&TFormSch::MosfetButt)},
    {"EscInApproximation", Qt::Key_Escape, PlacingResistor, Press(&TFormSch::ButtApprox)},
    {"EnterInEdit", Qt::Key_Return, TextPanelBeside(&TFormSch::Resistore), RightClick},
    {"EnterInTransistor", Qt::Key_Return, TextPanelBeside(&TFormSch::Kmut), RightClick},
};

// What the user sees of the window's state.
struct State {
    const GCompo* placing;
    bool textPanel;
    std::size_t parts;
    bool operator==(const State& other) const
    {
        return placing == other.placing && textPanel == other.textPanel && parts == other.parts;
    }
};

State StateOf(TFormSch& w)
{
    return {w.Editor().Placing(), w.PanelText->isVisible(), w.Document().Parts.size()};
}

void PrintTo(const State& s, std::ostream* out)
{
    *out << "placing " << (s.placing ? std::string(1, s.placing->Kind) : "none") << ", text panel "
         << s.textPanel << ", " << s.parts << " parts";
}

class DialogKeys : public testing::TestWithParam<KeyCase> {
protected:
    SchematicFrame f;
};

}  // namespace

TEST_P(DialogKeys, TheReleaseAfterTheDialogDoesNothingInTheWindow)
{
    const KeyCase& c = GetParam();
    TFormSch& w = f.New();
    GCompo* part = c.prepare(w);
    State before = StateOf(w);
    bool closed = false;
    AnswerModal([&](QDialog& dialog) {
        QTest::keyPress(dialog.focusWidget() ? dialog.focusWidget() : &dialog, c.key);
        closed = !dialog.isVisible();
    });
    c.openDialog(w, part);
    ASSERT_TRUE(closed) << "the press closes the dialog";
    QTest::keyRelease(w.focusWidget() ? w.focusWidget() : w.PBox, c.key);
    EXPECT_EQ(StateOf(w), before);
    EXPECT_TRUE(f.dialogs.shown.empty()) << testing::PrintToString(f.Messages());
}

INSTANTIATE_TEST_SUITE_P(SchematicDialogs, DialogKeys, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<KeyCase>& key) { return key.param.name; });
