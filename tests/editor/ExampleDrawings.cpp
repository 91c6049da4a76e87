#include "ExampleDrawings.h"

#include "EditorHarness.h"
#include "editor/files/SchematicFile.h"
#include "editor/files/SubcircuitFiles.h"

#include <gtest/gtest.h>

const std::vector<std::string> ExampleSchematics = {"rc_lowpass.sch", "sallen_key.sch", "ce_amplifier.sch",
                                                    "rc_ladder.sch"};
const std::vector<std::string> ExampleSubcircuitFiles = {"rcsection.xch", "rcsection.sbc", "rcsection.sp"};

namespace {

// A user drawing one schematic.
class Drafter {
public:
    Drafter(const std::string& subcktFolder, bool subcircuit) : window(clipboard, dialogs, subcktFolder, subcircuit)
    {
    }

    // A part from its button, turned, dropped with its origin at a point; then
    // its name and value typed into its property dialog when given.
    void Part(const std::string& button, Pt at, int turns = 0, const std::string& name = "",
              const std::string& value = "")
    {
        window.editor.ChooseKind(button);
        for (int i = 0; i < turns; ++i)
            window.Click(at.x, at.y, MouseButton::Right);
        window.MoveClick(at.x, at.y);
        window.Key(VirtualKey::Escape);
        if (!name.empty() || !value.empty())
            Properties(*window.Parts().back(), name, value);
    }
    // A transistor from its button and option dialog, with its options on.
    void Transistor(char kind, Pt at, std::vector<int> options)
    {
        dialogs.options.push_back([options](ModelOptionsForm& form) {
            for (int i : options)
                form.Checked[i] = true;
            return true;
        });
        window.editor.ChooseTransistor(kind);
        window.Move(at.x, at.y);  // ignored after the dialog
        window.MoveClick(at.x, at.y);
        window.Key(VirtualKey::Escape);
    }
    void Instance(const std::string& subcircuit, Pt at)
    {
        window.editor.ChooseSubcircuit(subcircuit);
        window.MoveClick(at.x, at.y);
        window.Key(VirtualKey::Escape);
    }
    void Wire(Pt from, Pt to) { window.Wire(from, to); }
    void Title(Pt at, const std::string& text)
    {
        window.editor.ChooseText();
        window.editor.Text().Text = text;
        window.Key(VirtualKey::Enter);
        window.MoveClick(at.x, at.y);
        window.Key(VirtualKey::Escape);
    }
    void Save(const std::string& path)
    {
        std::string error;
        EXPECT_TRUE(SaveSchemaAs(window.Doc(), path, error)) << error;
    }

    PartClipboard clipboard;
    ScriptedDialogs dialogs;
    EditorWindow window;

private:
    // A right click in the middle of the part, and the entries typed.
    void Properties(const GCompo& part, const std::string& name, const std::string& value)
    {
        std::string shown = part.Name;
        dialogs.edits.push_back([this, shown, name, value](EditForm& form) {
            EXPECT_EQ(form.Nome, shown) << "the click hits the part just placed";
            if (!name.empty())
                form.Nome = name;
            if (!value.empty())
                form.Valore = value;
            return dialogs.PressOk(form);
        });
        window.Click((part.Left + part.Right) / 2, (part.Top + part.Bottom) / 2, MouseButton::Right);
        EXPECT_TRUE(dialogs.edits.empty());
        EXPECT_TRUE(dialogs.messages.empty());
    }
};

void RcSection(const std::string& subcktFolder)
{
    Drafter d(subcktFolder, true);
    d.Title({60, 30}, "RC section: R1 from port 1 to port 2, C1 from port 2 to ground");
    d.Part("vOut", {100, 100}, 2);
    d.Part("Resistore", {220, 100}, 1, "", "1000");
    d.Part("Condens", {260, 100}, 0, "", "1e-6");
    d.Part("ground", {260, 160});
    d.Part("vOut", {300, 100});
    d.Wire({100, 100}, {160, 100});
    d.Wire({220, 100}, {300, 100});
    d.Save(subcktFolder + "rcsection.xch");
    std::string error;
    EXPECT_TRUE(SaveSubcircuit(d.window.Doc(), &d.window.surface, subcktFolder, error)) << error;
}

void RcLowPass(const std::string& path)
{
    Drafter d("", false);
    d.Title({100, 60}, "RC low-pass filter");
    d.Part("VTensione", {100, 200});
    d.Part("ground", {100, 260});
    d.Part("Resistore", {220, 150}, 1, "", "1000");
    d.Part("Condens", {260, 150}, 0, "", "100e-9");
    d.Part("ground", {260, 210});
    d.Part("vOut", {300, 150});
    d.Wire({100, 200}, {100, 150});
    d.Wire({100, 150}, {160, 150});
    d.Wire({220, 150}, {300, 150});
    d.Save(path);
}

void SallenKey(const std::string& path)
{
    Drafter d("", false);
    d.Title({100, 60}, "Sallen-Key low-pass filter, unity gain");
    d.Part("VTensione", {100, 240});
    d.Part("ground", {100, 300});
    d.Part("Resistore", {200, 240}, 1, "", "10000");
    d.Part("Resistore", {300, 240}, 1, "", "10000");
    d.Part("Condens", {320, 120}, 1, "", "20e-9");
    d.Part("Condens", {340, 240}, 0, "", "10e-9");
    d.Part("ground", {340, 300});
    d.Part("OpAmp", {400, 200});
    d.Part("vOut", {560, 220});
    d.Wire({100, 240}, {140, 240});
    d.Wire({200, 240}, {240, 240});
    d.Wire({300, 240}, {400, 240});
    d.Wire({220, 240}, {220, 120});
    d.Wire({220, 120}, {260, 120});
    d.Wire({320, 120}, {520, 120});
    d.Wire({520, 120}, {520, 220});
    d.Wire({480, 220}, {560, 220});
    d.Wire({400, 200}, {400, 160});
    d.Wire({400, 160}, {520, 160});
    d.Save(path);
}

void CommonEmitter(const std::string& path)
{
    Drafter d("", false);
    d.Title({100, 60}, "Common-emitter amplifier, h-parameter model");
    d.Part("VTensione", {100, 200});
    d.Part("ground", {100, 260});
    d.Part("Resistore", {220, 200}, 1, "Rs", "1000");
    d.Transistor('Q', {300, 200}, {0, 1});
    d.Part("ground", {340, 260});
    d.Part("Resistore", {420, 120}, 0, "RL", "4700");
    d.Part("ground", {420, 180});
    d.Part("Condens", {480, 120}, 0, "CL", "1e-9");
    d.Part("ground", {480, 180});
    d.Part("vOut", {520, 120});
    d.Wire({100, 200}, {160, 200});
    d.Wire({220, 200}, {300, 200});
    d.Wire({340, 220}, {340, 260});
    d.Wire({340, 180}, {340, 120});
    d.Wire({340, 120}, {520, 120});
    d.Save(path);
}

void RcLadder(const std::string& path, const std::string& subcktFolder)
{
    Drafter d(subcktFolder, false);
    d.Title({100, 60}, "Two RC sections, each an instance of the subcircuit rcsection");
    d.Part("VTensione", {100, 200});
    d.Part("ground", {100, 260});
    d.Instance("rcsection", {180, 180});
    d.Instance("rcsection", {280, 180});
    d.Part("vOut", {380, 200});
    d.Wire({100, 200}, {170, 200});
    d.Wire({230, 200}, {270, 200});
    d.Wire({330, 200}, {380, 200});
    d.Save(path);
}

}  // namespace

void DrawExamples(const std::string& folder, const std::string& subcktFolder)
{
    RcSection(subcktFolder);
    RcLowPass(folder + "rc_lowpass.sch");
    SallenKey(folder + "sallen_key.sch");
    CommonEmitter(folder + "ce_amplifier.sch");
    RcLadder(folder + "rc_ladder.sch", subcktFolder);
}
