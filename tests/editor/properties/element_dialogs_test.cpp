// The element property dialogs: what they show, their checks in order, what
// they write back, and the spreading of values over parts of one name.
#include "editor/elements/PartList.h"
#include "tests/editor/EditorHarness.h"

#include <gtest/gtest.h>

namespace {

struct EditCase {
    std::string nome;
    std::string valore;
    bool valueEnabled;
    const char* message;  // "" = accepted
};

TEST(FormEdit, ChecksInOrder)
{
    const char* const letterR = "The first letter of this component must be: R !";
    const char* const badName = "The name of this component must not contain blanks, control characters or # !";
    const char* const zero = "Zero values are not allowed!";
    const char* const notNumber = "Values must be numbers!";
    const EditCase cases[] = {
        {"R5", "1000", true, ""},
        {"Rload", "1e-9", true, ""},
        {"G1", "1000", true, letterR},
        {"r1", "1000", true, letterR},
        {"", "1000", true, letterR},
        {"G1", "0", true, letterR},
        {"R 1", "1000", true, badName},
        {"R1 ", "1000", true, badName},
        {"R\t1", "1000", true, badName},
        {"R#1", "1000", true, badName},
        {"R\x01", "1000", true, badName},
        {"R1", "0", true, zero},
        {"R1", "abc", true, zero},
        {"R1", "", true, zero},
        {"R1", "-0.0", true, zero},
        {"R1", "1e999", true, notNumber},
        {"R1", "nan", true, notNumber},
        {"R1", "2k", true, ""},
        {"R1", "", false, ""},
        {"R1", "0", false, ""},
    };
    for (const EditCase& c : cases) {
        EditForm form;
        form.Nome = c.nome;
        form.Valore = c.valore;
        form.ValoreEnabled = c.valueEnabled;
        form.FirstLetter = 'R';
        EXPECT_EQ(form.OKClick(), c.message) << "'" << c.nome << "' '" << c.valore << "'";
    }
}

TEST(FormTransistor, AllowsZeroParametersButNotBadNames)
{
    TransistorForm form;
    form.FirstLetter = 'Q';
    form.Nome = "Q7";
    form.Griglia = {{"Rhie", "1000"}, {"Hre", "0"}, {"Fhfe", "100"}, {"Ghoe", ""}};
    EXPECT_EQ(form.OKClick(), "");
    form.Griglia[1].Value = "inf";
    EXPECT_EQ(form.OKClick(), "Values must be numbers!");
    form.Griglia[1].Value = "0";
    form.Nome = "M1";
    EXPECT_EQ(form.OKClick(), "The first letter of this component must be: Q !");
    form.Nome = "Q 7";
    EXPECT_EQ(form.OKClick(), "The name of this component must not contain blanks, control characters or # !");
}

class PropertyDialogTest : public OneWindow {
protected:
    GCompo& At(std::size_t i) { return *window.Parts()[i]; }
};

TEST_F(PropertyDialogTest, RightClickShowsTheDialogOfTheKindAndWritesBackOnOk)
{
    window.Place('C', {100, 100});
    At(0).Value = 2.2e-11;
    dialogs.edits.push_back([&](EditForm& form) {
        EXPECT_EQ(form.Nome, "C1");
        EXPECT_EQ(form.Valore, "2.2E-11");
        EXPECT_TRUE(form.Symbolic);
        EXPECT_TRUE(form.ValoreEnabled);
        form.Valore = "0";
        EXPECT_FALSE(dialogs.PressOk(form));
        form.Nome = "R1";
        EXPECT_FALSE(dialogs.PressOk(form));
        form.Nome = "Cload";
        form.Valore = "1e-9";
        form.Symbolic = false;
        return dialogs.PressOk(form);
    });
    window.Doc().Modified = false;
    window.Click(100, 130, MouseButton::Right);
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Zero values are not allowed!",
                                                          "The first letter of this component must be: C !"}));
    EXPECT_EQ(At(0).Name, "Cload");
    EXPECT_EQ(At(0).Value, 1e-9);
    EXPECT_EQ(At(0).Symbolic, 0);
    EXPECT_TRUE(window.Doc().Modified);

    // Cancel leaves it as it is; the window still counts it as a change.
    dialogs.edits.push_back([](EditForm& form) {
        form.Nome = "C9";
        form.Valore = "5";
        return false;
    });
    window.Doc().Modified = false;
    window.Click(100, 130, MouseButton::Right);
    EXPECT_EQ(At(0).Name, "Cload");
    EXPECT_EQ(At(0).Value, 1e-9);
    EXPECT_TRUE(window.Doc().Modified);
}

TEST_F(PropertyDialogTest, APartWithoutNameTakesTheLetterOfItsKind)
{
    window.Place('L', {100, 100});
    At(0).Name.clear();
    dialogs.edits.push_back([&](EditForm& form) {
        EXPECT_EQ(form.FirstLetter, 'L');
        EXPECT_FALSE(dialogs.PressOk(form));
        form.Nome = "L7";
        return dialogs.PressOk(form);
    });
    window.Click(100, 130, MouseButton::Right);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"The first letter of this component must be: L !"});
    EXPECT_EQ(At(0).Name, "L7");
}

// A damaged file's resistor named C5 cannot be analysed: its dialog asks for
// the letter of its kind, so that it can be renamed there.
TEST_F(PropertyDialogTest, APartNamedAsAnotherKindTakesTheLetterOfItsKind)
{
    window.Place('R', {100, 100});
    window.Place('Q', {300, 300});
    At(0).Name = "C5";
    At(1).Name = "q1";
    dialogs.edits.push_back([&](EditForm& form) {
        EXPECT_EQ(form.FirstLetter, 'R');
        form.Nome = "R5";
        return dialogs.PressOk(form);
    });
    window.Click(100, 130, MouseButton::Right);
    EXPECT_EQ(At(0).Name, "R5");
    EXPECT_EQ(At(0).PropertyCheck(), "");
    dialogs.transistors.push_back([&](TransistorForm& form) {
        EXPECT_EQ(form.FirstLetter, 'q') << "its own letter in the other case";
        return false;
    });
    window.Click(310, 300, MouseButton::Right);
    EXPECT_TRUE(dialogs.transistors.empty());
}

TEST_F(PropertyDialogTest, TransistorGridRowsPerKind)
{
    struct Case {
        char kind;
        const char* caption;
        std::vector<std::string> rows;
        std::vector<std::string> values;
    };
    const Case cases[] = {
        {'Q', "BJT", {"Rhie", "Hre", "Fhfe", "Ghoe"}, {"1000", "0", "100", "0"}},
        {'q', "BJT", {"Gbe", "Ce", "Cc", "Gce", "Hgm"}, {"0.001", "0", "0", "0", "0.05"}},
        {'M', "MOS", {"Cgs", "Cgd", "Hgm", "Gd", "Cds"}, {"0", "0", "0.02", "2E-5", "0"}},
        {'K', "Mutual Inductance", {"L1", "L2", "M"}, {"1", "1", "1"}},
    };
    int x = 100;
    for (const Case& c : cases) {
        GCompo& part = window.Place(c.kind, {x, 300});
        dialogs.transistors.push_back([&](TransistorForm& form) {
            EXPECT_EQ(form.Caption, c.caption);
            EXPECT_EQ(form.Nome, part.Name);
            std::vector<std::string> rows, values;
            for (const ParameterRow& row : form.Griglia) {
                rows.push_back(row.Name);
                values.push_back(row.Value);
            }
            EXPECT_EQ(rows, c.rows);
            EXPECT_EQ(values, c.values);
            form.Griglia.back().Value = "0";
            form.Griglia.front().Value = "7.5";
            form.Symbolic = false;
            return dialogs.PressOk(form);
        });
        window.Click(x + 10, 305, MouseButton::Right);
        EXPECT_EQ(part.Param[0], 7.5) << c.kind;
        EXPECT_EQ(part.Param[c.rows.size() - 1], 0.0) << "zero parameters are allowed";
        EXPECT_EQ(part.Symbolic, 0);
        x += 150;
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

using SubcircuitDialogTest = AmpWindow;

TEST_F(SubcircuitDialogTest, InstanceHasNoValue)
{
    window.editor.ChooseSubcircuit("amp");
    window.MoveClick(300, 300);
    window.Key(VirtualKey::Escape);
    dialogs.edits.push_back([&](EditForm& form) {
        EXPECT_EQ(form.Valore, "");
        EXPECT_FALSE(form.ValoreEnabled);
        EXPECT_FALSE(form.SymbolicEnabled);
        form.Nome = "Xin";
        return dialogs.PressOk(form);
    });
    window.Click(320, 320, MouseButton::Right);
    const GCompo& x = *window.Parts()[0];
    EXPECT_EQ(x.Name, "Xin");
    EXPECT_EQ(x.Value, 0.0);
    EXPECT_EQ(x.Symbolic, 1);
}

TEST_F(PropertyDialogTest, PartsWithoutPropertiesShowNoDialog)
{
    window.Place('g', {100, 100});
    window.Place('O', {300, 100});
    window.Place('v', {500, 100});
    window.Click(100, 110, MouseButton::Right);
    window.Click(340, 110, MouseButton::Right);
    window.Click(505, 100, MouseButton::Right);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PropertyDialogTest, UniformaGivesOneNameOneValue)
{
    window.Place('R', {100, 100});
    window.Place('R', {200, 100});
    window.Place('C', {300, 100});
    At(1).Name = "R1";
    At(2).Name = "R1";  // another kind of the same name stays apart
    dialogs.edits.push_back([&](EditForm& form) {
        form.Valore = "4700";
        form.Symbolic = false;
        return dialogs.PressOk(form);
    });
    window.Click(200, 130, MouseButton::Right);
    EXPECT_EQ(At(0).Value, 4700);
    EXPECT_EQ(At(0).Symbolic, 0);
    EXPECT_EQ(At(2).Value, 1.0);
    EXPECT_EQ(At(2).Symbolic, 1);

    // Renaming spreads to the parts of the new name.
    window.Place('R', {400, 100});
    At(3).Value = 33;
    At(3).Name = "Rx";
    dialogs.edits.push_back([&](EditForm& form) {
        form.Nome = "Rx";
        form.Valore = "10";
        return dialogs.PressOk(form);
    });
    window.Click(100, 130, MouseButton::Right);
    EXPECT_EQ(At(0).Name, "Rx");
    EXPECT_EQ(At(3).Value, 10);
    EXPECT_EQ(At(1).Value, 4700) << "the other R1 keeps its value";

    // Markers and op-amps spread nothing.
    Schematic s;
    for (char kind : {'g', 'g', 'O', 'O'}) {
        s.Parts.push_back(std::make_unique<GCompo>(kind, nullptr, false, false, false));
        s.Parts.back()->Value = 2;
    }
    s.Parts[0]->Value = 5;
    s.Parts[2]->Value = 5;
    Uniforma(s, *s.Parts[0]);
    Uniforma(s, *s.Parts[2]);
    EXPECT_EQ(s.Parts[1]->Value, 2);
    EXPECT_EQ(s.Parts[3]->Value, 2);
}

TEST_F(PropertyDialogTest, ModelParametersSpreadWithTheName)
{
    window.Place('K', {100, 100});
    window.Place('K', {200, 100});
    At(1).Name = "K1";
    dialogs.transistors.push_back([&](TransistorForm& form) {
        form.Griglia[2].Value = "0.5";
        return dialogs.PressOk(form);
    });
    window.Click(215, 130, MouseButton::Right);
    EXPECT_EQ(At(0).Param[2], 0.5);
    EXPECT_EQ(At(1).Param[2], 0.5);
}

}  // namespace
