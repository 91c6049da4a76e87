#pragma once
// TFormCur, the "Cursor" window shared by all result windows: the abscissa
// under the mouse (Edit1) and each curve's value there (Edit2..Edit7, in the
// curve colours). Showing and hiding it sets the main window's cursor
// button down and up, so the two always agree.
#include <QWidget>
#include <array>

#include "viewer/plots/PlotMouse.h"

class QFrame;
class QLabel;
class QLineEdit;

class TFormCur : public QWidget {
    Q_OBJECT
public:
    explicit TFormCur(QWidget* parent = nullptr);
    ~TFormCur() override;

    // The readouts and the client height that shows the edits in use.
    void ShowReadouts(const CursorReadouts& readouts);

    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QLineEdit* Edit7;
    QLabel* Label1;
    QFrame* Bevel1;

signals:
    // The program hid the window: result windows take their cursor line away.
    void Hidden();

protected:
    // FormShow and FormHide; the program's own showing and hiding only, not
    // the system's (as when the main window is minimised).
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::array<QLineEdit*, kCursorEdits> edits_;
    bool placed_ = false;
};

extern TFormCur* FormCur;
