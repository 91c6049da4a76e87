// The schematic window's tools, mouse and keys: each event becomes a call of
// the editing core, after which the surface and the text panel show its state.
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "editor/app/FormSch.h"
#include "editor/app/ListBox.h"
#include "platform/Application.h"
#include "platform/CanvasView.h"
#include "platform/Help.h"
#include "platform/Latin1.h"
#include "platform/PathText.h"

namespace {

// The editor's name for a mouse button; false for the others.
bool ButtonOf(Qt::MouseButton button, MouseButton& editorButton)
{
    switch (button) {
    case Qt::LeftButton: editorButton = MouseButton::Left; return true;
    case Qt::RightButton: editorButton = MouseButton::Right; return true;
    case Qt::MiddleButton: editorButton = MouseButton::Middle; return true;
    default: return false;
    }
}

// The virtual key code of a Qt key: letters and digits are their own codes.
int VirtualKeyOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Delete: return VirtualKey::Delete;
    case Qt::Key_Escape: return VirtualKey::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VirtualKey::Enter;
    default: break;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    return 0;
}

}  // namespace

void TFormSch::Refresh()
{
    const TextPanel& text = editor_->Text();
    if (PanelText->isHidden() == text.Visible) {
        PanelText->setVisible(text.Visible);
        if (text.Visible) {
            PanelText->raise();
            EditText->setText(Latin1(text.Text));
            EditText->setFocus();
        }
    }
    setWindowTitle(DisplayText(editor_->Caption()));
    PBox->update();
}

Pt TFormSch::Cursor() const
{
    QPoint at = PBox->mapFromGlobal(QCursor::pos());
    return {at.x(), at.y()};
}

void TFormSch::GConduttanzaClick(const QObject* sender)
{
    editor_->ChooseKind(sender->objectName().toStdString());
    Refresh();
}

void TFormSch::FiloClick()
{
    editor_->ChooseWire();
    Refresh();
}

void TFormSch::TestoClick()
{
    editor_->ChooseText();
    Refresh();
}

void TFormSch::TextOkClick()
{
    editor_->TextOk();
    Refresh();
}

void TFormSch::TextCancClick()
{
    editor_->TextCancel();
    Refresh();
}

void TFormSch::ApiceButClick()
{
    editor_->Text().AppendSuperscript();
    ContinueTyping();
}

void TFormSch::PediceButClick()
{
    editor_->Text().AppendSubscript();
    ContinueTyping();
}

void TFormSch::ContinueTyping()
{
    EditText->setText(Latin1(editor_->Text().Text));
    EditText->setFocus();
    EditText->end(false);
}

void TFormSch::BJThButtClick()
{
    editor_->ChooseTransistor('Q');
    Refresh();
}

void TFormSch::BJTpButtClick()
{
    editor_->ChooseTransistor('q');
    Refresh();
}

void TFormSch::MosfetButtClick()
{
    editor_->ChooseTransistor('M');
    Refresh();
}

void TFormSch::ListSubClick()
{
    if (QListWidgetItem* item = ListSub->currentItem())
        editor_->ChooseSubcircuit(Bytes(item->data(Qt::UserRole).toString()));
    Refresh();
}

void TFormSch::CursoreClick()
{
    editor_->ChooseCursor();
    Refresh();
}

void TFormSch::GrigliaButtClick()
{
    editor_->SetGrid(GrigliaButt->isChecked());
    Refresh();
}

void TFormSch::ButtCopyClick()
{
    editor_->Copy();
    Refresh();
}

void TFormSch::ButtCutClick()
{
    editor_->Cut();
    Refresh();
}

void TFormSch::ButtPasteClick()
{
    editor_->Paste(Cursor());
    Refresh();
}

void TFormSch::ButtHelpClick()
{
    ShowHelp(102);
}

void TFormSch::ExitClick()
{
    CloseWindow();
}

void TFormSch::PBoxMouseDown(const CanvasMouse& mouse)
{
    MouseButton button;
    if (!ButtonOf(mouse.button, button))
        return;
    editor_->MouseDown(button, mouse.x, mouse.y, mouse.keys.testFlag(Qt::ShiftModifier));
    Refresh();
}

void TFormSch::PBoxMouseMove(const CanvasMouse& mouse)
{
    editor_->MouseMove(mouse.x, mouse.y, mouse.buttons.testFlag(Qt::LeftButton));
}

void TFormSch::PBoxMouseUp(const CanvasMouse& mouse)
{
    MouseButton button;
    if (!ButtonOf(mouse.button, button))
        return;
    editor_->MouseUp(button, mouse.x, mouse.y);
    Refresh();
}

void TFormSch::FormKeyUp(int qtKey, Qt::KeyboardModifiers modifiers)
{
    bool textFocus = !PanelText->isHidden() && PanelText->isAncestorOf(focusWidget());
    editor_->KeyUp(VirtualKeyOf(qtKey), modifiers.testFlag(Qt::ControlModifier), Cursor(), textFocus);
    Refresh();
}

void TFormSch::KeyPressed(const QKeyEvent& key)
{
    if (!key.isAutoRepeat())
        pressed_[key.key()] = key.modifiers().testFlag(Qt::ControlModifier);
}

// A release whose press the window did not see (a dialog closed on it) is
// not a key of the window.
void TFormSch::KeyReleased(const QKeyEvent& key)
{
    if (key.isAutoRepeat())
        return;
    auto press = pressed_.find(key.key());
    if (press == pressed_.end())
        return;
    Qt::KeyboardModifiers modifiers = key.modifiers();
    if (press->second)
        modifiers |= Qt::ControlModifier;
    pressed_.erase(press);
    RunGuarded([&] { FormKeyUp(key.key(), modifiers); });
}

// Every key pressed and released in the window or one of its controls
// reaches FormKeyUp once: the control that has the focus passes it on only
// when it needs the release itself (a button's space bar).
bool TFormSch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        KeyPressed(*static_cast<QKeyEvent*>(event));
    if (event->type() != QEvent::KeyRelease)
        return SchematicChild::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat())
        return false;
    KeyReleased(*key);
    return key->key() != Qt::Key_Space && key->key() != Qt::Key_Select;
}

void TFormSch::keyPressEvent(QKeyEvent* event)
{
    KeyPressed(*event);
    SchematicChild::keyPressEvent(event);
}

void TFormSch::keyReleaseEvent(QKeyEvent* event)
{
    KeyReleased(*event);
}
