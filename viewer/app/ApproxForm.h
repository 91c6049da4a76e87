#pragma once
// TApproxForm, the modal "Approximation" dialog shared by all result
// windows: the error limit and the mode, Coefficients or Num./Den. (one
// exclusive choice of two check boxes); the judging frequencies serve only
// Num./Den. It keeps its entries between runs.
#include <QDialog>

#include "viewer/approx/Approx.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TApproxForm : public QDialog {
    Q_OBJECT
public:
    explicit TApproxForm(QWidget* parent = nullptr);
    ~TApproxForm() override;

    // True on OK.
    bool ShowModal() { return exec() == QDialog::Accepted; }
    // The entries as typed.
    ApproxChoice Choice() const;

    void RBCoefClick();
    void NumDenClick();

    QLineEdit* Err;
    QLineEdit* Freq1;
    QLineEdit* Freq2;
    QRadioButton* HzButt;
    QRadioButton* RadButt;
    QPushButton* Button1;
    QPushButton* Button2;
    QCheckBox* RBCoef;
    QCheckBox* NumDen;

private:
    // The check boxes and the enabling of the frequency controls.
    void ShowChoice(const ApproxChoice& choice);
};

extern TApproxForm* ApproxForm;
