#pragma once
// A Tervox frame with the long-lived dialogs and schematic windows as the
// program makes them, driven by synthesized mouse and key events; modal
// dialogs are answered while they are shown.
#include <QApplication>
#include <filesystem>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "editor/app/ElementDialogWindows.h"
#include "editor/app/FormApprox.h"
#include "editor/app/FormEdit.h"
#include "editor/app/FormSch.h"
#include "editor/app/FormTransistor.h"
#include "editor/app/ListBox.h"
#include "editor/app/ModelOptionDialogs.h"
#include "platform/CanvasView.h"
#include "tests/editor/app/Frame.h"
#include "tests/platform/ModalAnswers.h"

class SchematicFrame : public Frame {
public:
    SchematicFrame()
    {
        TMainForm& frame = Start();
        formEdit = new TFormEdit(&frame);
        formApprox = new TFormApprox(&frame);
        formBjth = new TFormBjth(&frame);
        formBjtG = new TFormBjtG(&frame);
        formMos = new TFormMos(&frame);
        formTransistor = new TFormTransistor(&frame);
        elements = std::make_unique<ElementDialogWindows>(*formEdit, *formTransistor, *formBjth, *formBjtG, *formMos);
        forms = std::make_unique<SchematicForms>(SchematicForms{*elements, *formApprox});
        frame.SetSchematicWindows([this](bool subcircuit, PartClipboard& clipboard) {
            return new TFormSch(subcircuit, clipboard, *forms, folder.Folder());
        });
    }
    ~SchematicFrame()
    {
        DropPendingAnswers();
        form.reset();
    }

    TFormSch* Current() const { return dynamic_cast<TFormSch*>(form->ActiveChild()); }
    TFormSch& New(bool subcircuit = false)
    {
        if (subcircuit)
            form->NewSubcircuit1Click();
        else
            form->NewSchemaClick();
        return *Current();
    }
    TFormSch& Open(const std::string& path)
    {
        form->OpenFile(path);
        return *Current();
    }
    // Copies examples/schematics/<name> into the folder.
    std::string Schematic(const std::string& name) const
    {
        std::filesystem::copy_file(std::string(TERVOX_SOURCE_DIR) + "/examples/schematics/" + name, folder / name);
        return folder / name;
    }
    // The texts of the boxes shown so far.
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const auto& box : dialogs.shown)
            texts.push_back(box.text);
        return texts;
    }

    TFormEdit* formEdit;
    TFormApprox* formApprox;
    TFormBjth* formBjth;
    TFormBjtG* formBjtG;
    TFormMos* formMos;
    TFormTransistor* formTransistor;
    std::unique_ptr<ElementDialogWindows> elements;
    std::unique_ptr<SchematicForms> forms;
};

// The mouse and the keys on a schematic window's surface, in surface pixels.
inline void Move(TFormSch& w, int x, int y)
{
    QTest::mouseMove(w.PBox, QPoint(x, y));
}
inline void Click(TFormSch& w, int x, int y, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    Move(w, x, y);
    QTest::mouseClick(w.PBox, button, keys, QPoint(x, y));
}
inline void Drag(TFormSch& w, QPoint from, QPoint to)
{
    QTest::mousePress(w.PBox, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(w.PBox, from);
    QTest::mouseMove(w.PBox, (from + to) / 2);
    QTest::mouseMove(w.PBox, to);
    QTest::mouseRelease(w.PBox, Qt::LeftButton, Qt::NoModifier, to);
}
// A key pressed and released where the window has its focus.
inline void Key(TFormSch& w, int key, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    QWidget* target = w.focusWidget() ? w.focusWidget() : w.PBox;
    QTest::keyClick(target, static_cast<Qt::Key>(key), keys);
}
// A part from its button, turned by right clicks, dropped at a point; Esc.
inline GCompo& Place(TFormSch& w, QToolButton* button, int x, int y, int turns = 0)
{
    button->click();
    Move(w, x, y);
    for (int i = 0; i < turns; ++i)
        QTest::mouseClick(w.PBox, Qt::RightButton, Qt::NoModifier, QPoint(x, y));
    Click(w, x, y);
    Key(w, Qt::Key_Escape);
    return *w.Document().Parts.back();
}
inline void Wire(TFormSch& w, int x1, int y1, int x2, int y2)
{
    w.Filo->click();
    Click(w, x1, y1);
    Click(w, x2, y2);
    Key(w, Qt::Key_Escape);
}

// An RC low-pass drawn with the mouse: title, source, resistor, capacitor,
// grounds, output and wires, all values 1.
inline void DrawRcLowPass(TFormSch& w)
{
    w.Testo->click();
    QTest::keyClicks(w.EditText, "RC ");
    w.ApiceBut->click();
    QTest::keyClicks(w.EditText, "low");
    Key(w, Qt::Key_Return);
    Click(w, 100, 60);
    Key(w, Qt::Key_Escape);
    Place(w, w.VTensione, 100, 200);
    Place(w, w.ground, 100, 260);
    Place(w, w.Resistore, 220, 150, 1);
    Place(w, w.Condens, 260, 150);
    Place(w, w.ground, 260, 210);
    Place(w, w.vOut, 300, 150);
    Wire(w, 100, 200, 100, 150);
    Wire(w, 100, 150, 160, 150);
    Wire(w, 220, 150, 300, 150);
}

// A line edit's text replaced by typing.
inline void Type(QLineEdit* edit, const QString& text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
}
