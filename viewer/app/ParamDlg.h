#pragma once
// TParamDlg, the modal "Parameter" dialog shared by all result windows: one
// component of the network function and up to six values for it, one curve
// per value. The result window fills it before ShowModal and reads it after.
#include <QDialog>
#include <array>

#include "viewer/window/ParamDialog.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TParamDlg : public QDialog {
    Q_OBJECT
public:
    explicit TParamDlg(QWidget* parent = nullptr);
    ~TParamDlg() override;

    void Fill(const ParamDialogState& state);
    ParamDialogState State() const;
    // True on OK.
    bool ShowModal() { return exec() == QDialog::Accepted; }

    void OKBtnClick() { accept(); }
    void CancelBtnClick() { reject(); }
    // "Delete All": the six edits emptied; the selection and the dialog stay.
    void delButtClick();

    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QListWidget* ListBox1;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QLabel* Label1;
    QLabel* Label2;
    QFrame* Bevel1;
    QPushButton* delButt;

private:
    std::array<QLineEdit*, 6> edits_;
};

extern TParamDlg* ParamDlg;
