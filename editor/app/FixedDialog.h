#pragma once
// The frame of the dialogs that live for the whole run: a dialog of a fixed
// caption and size, centred on the screen when shown, with an "OK" button
// (the default) and a "Cancel" button that rejects it.
#include <QDialog>
#include <string>

class QBoxLayout;
class QPushButton;

class FixedDialog : public QDialog {
    Q_OBJECT
public:
    // A tool window is the framework's tool-window border; stayOnTop keeps
    // it above the other windows of the program.
    FixedDialog(QWidget* parent, const char* caption, bool toolWindow, bool stayOnTop);

    QPushButton* OK;
    QPushButton* Cancel;

protected:
    // The two buttons, right-aligned in a row at the end of the layout. OK
    // accepts unless the dialog handles it (connect to OK's clicked instead).
    void AddButtons(QBoxLayout* layout, bool okAccepts);
    // The end of a handled OK: the dialog closes when its checks found
    // nothing, else it shows their message and stays open.
    void AcceptUnless(const std::string& message);
    void showEvent(QShowEvent* event) override;
};
