#include "editor/app/FormTransistor.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "platform/Application.h"
#include "platform/Latin1.h"

TFormTransistor::TFormTransistor(QWidget* parent)
    : FixedDialog(parent, "Transistor", true, false),
      Label1(new QLabel("Name:", this)),
      Nome(new QLineEdit(this)),
      Griglia(new QTableWidget(0, 2, this)),
      Symbolic(new QCheckBox("Symbolic", this))
{
    Griglia->horizontalHeader()->hide();
    Griglia->verticalHeader()->hide();
    Griglia->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Griglia->setSelectionMode(QAbstractItemView::NoSelection);
    Griglia->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Griglia->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Griglia->setFixedWidth(200);
    // Tab goes from one value to the next, each selected to be typed over;
    // the grid itself takes no focus.
    Griglia->setFocusPolicy(Qt::NoFocus);
    Griglia->setTabKeyNavigation(false);

    auto* layout = new QVBoxLayout(this);
    auto* name = new QHBoxLayout;
    name->addWidget(Label1);
    name->addWidget(Nome);
    layout->addLayout(name);
    layout->addWidget(Griglia);
    layout->addWidget(Symbolic);
    AddButtons(layout, false);
    connect(OK, &QPushButton::clicked, this, Guarded(this, &TFormTransistor::OKClick));
}

QLineEdit* TFormTransistor::ValueCell(int row) const
{
    return qobject_cast<QLineEdit*>(Griglia->cellWidget(row, 1));
}

bool TFormTransistor::Execute(TransistorForm& form)
{
    shown_ = form;
    setWindowTitle(Latin1(form.Caption));
    Nome->setText(Latin1(form.Nome));
    Symbolic->setChecked(form.Symbolic);
    int rows = static_cast<int>(form.Griglia.size());
    Griglia->clearContents();
    Griglia->setRowCount(rows);
    QWidget* before = Nome;
    for (int row = 0; row < rows; ++row) {
        const ParameterRow& entry = form.Griglia[static_cast<std::size_t>(row)];
        auto* name = new QTableWidgetItem(Latin1(entry.Name));
        name->setFlags(Qt::ItemIsEnabled);
        Griglia->setItem(row, 0, name);
        auto* value = new QLineEdit(Latin1(entry.Value));
        value->setFrame(false);
        Griglia->setCellWidget(row, 1, value);
        setTabOrder(before, value);
        before = value;
    }
    setTabOrder(before, Symbolic);
    setTabOrder(Symbolic, OK);
    setTabOrder(OK, Cancel);
    int height = 2 * Griglia->frameWidth();
    for (int row = 0; row < rows; ++row)
        height += Griglia->rowHeight(row);
    Griglia->setFixedHeight(height);
    Nome->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    form = Entered();
    return true;
}

TransistorForm TFormTransistor::Entered() const
{
    TransistorForm entered = shown_;
    entered.Nome = Bytes(Nome->text());
    entered.Symbolic = Symbolic->isChecked();
    for (std::size_t row = 0; row < entered.Griglia.size(); ++row)
        entered.Griglia[row].Value = Bytes(ValueCell(static_cast<int>(row))->text());
    return entered;
}

void TFormTransistor::OKClick()
{
    AcceptUnless(Entered().OKClick());
}
