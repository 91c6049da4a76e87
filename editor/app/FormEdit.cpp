#include "editor/app/FormEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/Application.h"
#include "platform/Latin1.h"

TFormEdit::TFormEdit(QWidget* parent)
    : FixedDialog(parent, "Edit", true, true),
      Nome(new QLineEdit(this)),
      Valore(new QLineEdit(this)),
      Symbolic(new QCheckBox("Symbolic", this)),
      Label1(new QLabel("Name:", this)),
      Label2(new QLabel("Value:", this))
{
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Nome, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Valore, 1, 1);
    grid->addWidget(Symbolic, 2, 1);
    Nome->setMinimumWidth(140);
    layout->addLayout(grid);
    AddButtons(layout, false);
    connect(OK, &QPushButton::clicked, this, Guarded(this, &TFormEdit::OKClick));
}

bool TFormEdit::Execute(EditForm& form)
{
    shown_ = form;
    Nome->setText(Latin1(form.Nome));
    Valore->setText(Latin1(form.Valore));
    Valore->setEnabled(form.ValoreEnabled);
    Symbolic->setChecked(form.Symbolic);
    Symbolic->setEnabled(form.SymbolicEnabled);
    Nome->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    form = Entered();
    return true;
}

EditForm TFormEdit::Entered() const
{
    EditForm entered = shown_;
    entered.Nome = Bytes(Nome->text());
    entered.Valore = Bytes(Valore->text());
    entered.Symbolic = Symbolic->isChecked();
    return entered;
}

void TFormEdit::OKClick()
{
    AcceptUnless(Entered().OKClick());
}
