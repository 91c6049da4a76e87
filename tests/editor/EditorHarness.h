#pragma once
// A schematic window's editing core on an image surface, driven with mouse and
// key events as the window passes them, with dialogs answered from a script.
#include "TestSupport.h"
#include "editor/drawing/Surface.h"
#include "editor/editing/SchematicEditor.h"
#include "platform/ImageCanvas.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Dialog answers: each takes the form and returns whether the dialog closed
// with OK; with no answer left a dialog is cancelled.
class ScriptedDialogs : public ElementDialogs {
public:
    template <typename Form>
    using Answer = std::function<bool(Form&)>;

    bool ShowEdit(EditForm& form) override { return Next(edits, form, "Edit"); }
    bool ShowTransistor(TransistorForm& form) override { return Next(transistors, form, "Transistor"); }
    bool ShowOptions(ModelOptionsForm& form) override { return Next(options, form, form.Caption); }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    // What the OK button does: the form's checks, their message when they fail.
    template <typename Form>
    bool PressOk(const Form& form)
    {
        std::string message = form.OKClick();
        if (!message.empty())
            ShowMessage(message);
        return message.empty();
    }

    std::deque<Answer<EditForm>> edits;
    std::deque<Answer<TransistorForm>> transistors;
    std::deque<Answer<ModelOptionsForm>> options;
    std::vector<std::string> shown;  // dialogs in the order shown
    std::vector<std::string> messages;

private:
    template <typename Form>
    bool Next(std::deque<Answer<Form>>& answers, Form& form, const std::string& name)
    {
        shown.push_back(name);
        if (answers.empty())
            return false;
        Answer<Form> answer = answers.front();
        answers.pop_front();
        return answer(form);
    }
};

// One window: its surface and editor, with the frame's clipboard and dialogs.
struct EditorWindow {
    EditorWindow(PartClipboard& clipboard, ScriptedDialogs& dialogs, const std::string& subcktFolder = "",
                 bool subcircuit = false)
        : editor(surface, clipboard, dialogs, subcktFolder, subcircuit)
    {
    }

    void Move(int x, int y) { editor.MouseMove(x, y, false); }
    void Click(int x, int y, MouseButton button = MouseButton::Left, bool shift = false)
    {
        editor.MouseDown(button, x, y, shift);
        editor.MouseUp(button, x, y);
    }
    // Moves there and clicks, as a user placing a part does.
    void MoveClick(int x, int y)
    {
        Move(x, y);
        Click(x, y);
    }
    // Left button down, moves with it held, up.
    void Drag(Pt from, Pt to, bool shift = false)
    {
        editor.MouseDown(MouseButton::Left, from.x, from.y, shift);
        editor.MouseMove(from.x, from.y, true);
        editor.MouseMove(to.x, to.y, true);
        editor.MouseUp(MouseButton::Left, to.x, to.y);
    }
    void Key(int key, bool ctrl = false, Pt cursor = {0, 0}) { editor.KeyUp(key, ctrl, cursor, false); }
    // A wire from one point to another: tool, two clicks, Esc.
    void Wire(Pt from, Pt to)
    {
        editor.ChooseWire();
        MoveClick(from.x, from.y);
        MoveClick(to.x, to.y);
        Key(VirtualKey::Escape);
    }
    // A part of a kind dropped at a point in an orientation, then Esc.
    GCompo& Place(char kind, Pt at, int orientation = 0)
    {
        editor.ChooseKind(std::string(1, kind));
        for (int i = 0; i < orientation; ++i)
            editor.MouseDown(MouseButton::Right, at.x, at.y, false);
        MoveClick(at.x, at.y);
        Key(VirtualKey::Escape);
        return *Parts().back();
    }
    Schematic& Doc() { return editor.Document(); }
    std::vector<std::unique_ptr<GCompo>>& Parts() { return editor.Document().Parts; }
    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (const auto& part : Parts())
            names.push_back(part->Name);
        return names;
    }
    // A fresh paint of the same parts on a new surface.
    QImage Repainted()
    {
        ImageCanvas fresh(SurfaceWidth, SurfaceHeight);
        PaintSurface(Doc(), fresh, editor.Grid());
        return fresh.Image();
    }

    ImageCanvas surface{SurfaceWidth, SurfaceHeight};
    SchematicEditor editor;
};

// A fixture with one window.
class OneWindow : public ::testing::Test {
protected:
    PartClipboard clipboard;
    ScriptedDialogs dialogs;
    EditorWindow window{clipboard, dialogs};
    SchematicEditor& editor = window.editor;
};

// A fixture with one window whose subcircuit folder holds "amp".
class AmpWindow : public ::testing::Test {
protected:
    AmpWindow() { WriteAmpSymbol(folder); }

    TempFolder folder;
    PartClipboard clipboard;
    ScriptedDialogs dialogs;
    EditorWindow window{clipboard, dialogs, folder.Folder()};
};
