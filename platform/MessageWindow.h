#pragma once
// The window of a message box: the icon, caption, text and buttons of a
// standard box, fitted to the screen whatever the text. Lines wrap at blanks
// where they are wider than a box is; a word wider than the box breaks where
// the line ends; a text taller than the screen scrolls inside the box.
#include <QDialog>

#include "platform/Dialogs.h"

class QDialogButtonBox;
class QLabel;
class QScrollArea;

class MessageWindow : public QDialog {
    Q_OBJECT
public:
    MessageWindow(const QString& text, const QString& caption, MsgIcon icon, MsgButtons buttons,
                  QWidget* parent = nullptr);
    // The button clicked. Esc and closing the window answer Cancel where
    // there is one, else No, else Ok.
    MsgResult Answer() const { return answer_; }
    void reject() override;

private:
    void AddButtons(QDialogButtonBox& box, MsgButtons buttons);
    QSize SizeBesideText();
    void FitText(const QString& text);

    QLabel* text_;
    QScrollArea* area_;
    MsgResult answer_;
    MsgResult escape_;
};
