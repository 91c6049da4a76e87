#include "viewer/app/ApproxForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/Latin1.h"
#include "viewer/approx/ApproxForm.h"

TApproxForm* ApproxForm = nullptr;

namespace {

QLineEdit* Edit(QWidget* parent, const char* label, const char* text, int y)
{
    auto* caption = new QLabel(label, parent);
    caption->setGeometry(12, y + 3, 96, 17);
    auto* edit = new QLineEdit(text, parent);
    edit->setGeometry(110, y, 80, 23);
    return edit;
}

}  // namespace

TApproxForm::TApproxForm(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setWindowTitle("Approximation");
    RBCoef = new QCheckBox("Coefficients", this);
    RBCoef->setGeometry(12, 10, 110, 20);
    NumDen = new QCheckBox("Num./Den.", this);
    NumDen->setGeometry(130, 10, 100, 20);
    Err = Edit(this, "Max Error (%):", "5", 40);
    Freq1 = Edit(this, "Freq 1:", "1", 70);
    Freq2 = Edit(this, "Freq 2:", "10", 100);
    HzButt = new QRadioButton("Hz", this);
    HzButt->setGeometry(200, 72, 50, 20);
    HzButt->setChecked(true);
    RadButt = new QRadioButton("rad/s", this);
    RadButt->setGeometry(200, 102, 60, 20);
    Button1 = new QPushButton("OK", this);
    Button1->setGeometry(40, 138, 75, 25);
    Button1->setDefault(true);
    Button2 = new QPushButton("Cancel", this);
    Button2->setGeometry(140, 138, 75, 25);
    connect(RBCoef, &QCheckBox::clicked, this, [this] { RBCoefClick(); });
    connect(NumDen, &QCheckBox::clicked, this, [this] { NumDenClick(); });
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    ShowChoice(ApproxChoice{});
    setFixedSize(266, 174);
    ApproxForm = this;
}

TApproxForm::~TApproxForm()
{
    if (ApproxForm == this)
        ApproxForm = nullptr;
}

ApproxChoice TApproxForm::Choice() const
{
    ApproxChoice choice;
    choice.err = Bytes(Err->text());
    choice.freq1 = Bytes(Freq1->text());
    choice.freq2 = Bytes(Freq2->text());
    choice.hz = HzButt->isChecked();
    choice.coefficients = RBCoef->isChecked();
    return choice;
}

void TApproxForm::RBCoefClick()
{
    ApproxChoice choice = Choice();
    CoefficientsClick(choice, RBCoef->isChecked());
    ShowChoice(choice);
}

void TApproxForm::NumDenClick()
{
    ApproxChoice choice = Choice();
    ::NumDenClick(choice, NumDen->isChecked());
    ShowChoice(choice);
}

void TApproxForm::ShowChoice(const ApproxChoice& choice)
{
    RBCoef->setChecked(choice.coefficients);
    NumDen->setChecked(!choice.coefficients);
    bool enabled = FrequencyControlsEnabled(choice);
    for (QWidget* control : std::initializer_list<QWidget*>{Freq1, Freq2, HzButt, RadButt})
        control->setEnabled(enabled);
}
