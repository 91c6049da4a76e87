#pragma once
// TFormTransistor: the property dialog of a transistor or a mutual
// inductance (name, parameter grid, symbolic flag), made once at start and
// shown modally for each use; the grid shows the rows of the part's kind.
#include "editor/app/FixedDialog.h"
#include "editor/properties/ElementForms.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;

class TFormTransistor : public FixedDialog {
    Q_OBJECT
public:
    explicit TFormTransistor(QWidget* parent = nullptr);

    // Shows the form with its caption and rows; true when OK closed the
    // dialog, the form then holding what was entered.
    bool Execute(TransistorForm& form);
    void OKClick();

    // The value typed in a row of the grid's second column.
    QLineEdit* ValueCell(int row) const;

    QLabel* Label1;
    QLineEdit* Nome;
    QTableWidget* Griglia;
    QCheckBox* Symbolic;

private:
    TransistorForm Entered() const;

    TransistorForm shown_;
};
