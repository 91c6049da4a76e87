#pragma once
// TFormEdit: the property dialog of a one-value element (name, value,
// symbolic flag), made once at start and shown modally for each use.
#include "editor/app/FixedDialog.h"
#include "editor/properties/ElementForms.h"

class QCheckBox;
class QLabel;
class QLineEdit;

class TFormEdit : public FixedDialog {
    Q_OBJECT
public:
    explicit TFormEdit(QWidget* parent = nullptr);

    // Shows the form's entries; true when OK closed the dialog, the form then
    // holding what was entered.
    bool Execute(EditForm& form);
    // OK: the form's checks; a failed one shows its message and the dialog
    // stays open.
    void OKClick();

    QLineEdit* Nome;
    QLineEdit* Valore;
    QCheckBox* Symbolic;
    QLabel* Label1;
    QLabel* Label2;

private:
    EditForm Entered() const;

    EditForm shown_;
};
