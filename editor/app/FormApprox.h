#pragma once
// TFormApprox: the approximated-analysis dialog (frequency limits, number of
// test frequencies, error limit), made once at start; its entries stay from
// one use to the next.
#include <string>

#include "editor/analysis/ApproxLine.h"
#include "editor/app/FixedDialog.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

class TFormApprox : public FixedDialog {
    Q_OBJECT
public:
    explicit TFormApprox(QWidget* parent = nullptr);

    // Shows the dialog; true when OK closed it, with the ".APP" line of the
    // entries.
    bool Execute(std::string& appLine);
    // OK: the checks in order; the first that fails shows its message and
    // the dialog stays open.
    void OKClick();

    QFrame* Bevel1;
    QLabel* Label1;
    QLineEdit* EdFreq1;
    QLabel* Label3;
    QLineEdit* EdFreq2;
    QLabel* Label4;
    QComboBox* NumFreq;
    QLabel* Label2;
    QLineEdit* EdLim;

private:
    ApproxEntries entries_;
    std::string line_;
};
