#include "editor/app/FormApprox.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/Application.h"
#include "platform/Latin1.h"

TFormApprox::TFormApprox(QWidget* parent)
    : FixedDialog(parent, "Approximated Analysis", true, true),
      Bevel1(new QFrame(this)),
      Label1(new QLabel("Start Freq. (Hz) :", Bevel1)),
      EdFreq1(new QLineEdit(Bevel1)),
      Label3(new QLabel("Stop Freq. (Hz) :", Bevel1)),
      EdFreq2(new QLineEdit(Bevel1)),
      Label4(new QLabel("Num Freq. :", Bevel1)),
      NumFreq(new QComboBox(Bevel1)),
      Label2(new QLabel("Max Err % :", Bevel1)),
      EdLim(new QLineEdit(Bevel1))
{
    Bevel1->setFrameShape(QFrame::StyledPanel);
    Bevel1->setFrameShadow(QFrame::Raised);
    NumFreq->setEditable(true);
    // The count is what was typed: no completion from the list, and the
    // list offers 2 to 10 only.
    NumFreq->setCompleter(nullptr);
    NumFreq->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 2; n <= 10; ++n)
        NumFreq->addItem(QString::number(n));
    NumFreq->setCurrentText(Latin1(entries_.count));
    for (QWidget* entry : {static_cast<QWidget*>(EdFreq1), static_cast<QWidget*>(EdFreq2),
                           static_cast<QWidget*>(NumFreq), static_cast<QWidget*>(EdLim)})
        entry->setFixedWidth(80);

    auto* grid = new QGridLayout(Bevel1);
    QLabel* labels[] = {Label1, Label3, Label4, Label2};
    QWidget* entries[] = {EdFreq1, EdFreq2, NumFreq, EdLim};
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(labels[row], row, 0);
        grid->addWidget(entries[row], row, 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Bevel1);
    AddButtons(layout, false);
    setTabOrder(EdFreq1, EdFreq2);
    setTabOrder(EdFreq2, NumFreq);
    setTabOrder(NumFreq, EdLim);
    setTabOrder(EdLim, OK);
    setTabOrder(OK, Cancel);
    connect(OK, &QPushButton::clicked, this, Guarded(this, &TFormApprox::OKClick));
}

bool TFormApprox::Execute(std::string& appLine)
{
    EdFreq1->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    appLine = line_;
    return true;
}

void TFormApprox::OKClick()
{
    entries_ = {Bytes(EdFreq1->text()), Bytes(EdFreq2->text()), Bytes(NumFreq->currentText()), Bytes(EdLim->text())};
    std::string message;
    AcceptUnless(ApproxLine(entries_, line_, message) ? "" : message);
}
