#pragma once
// The option dialogs asked before a new transistor is placed: TFormBjth
// (h-parameter BJT), TFormBjtG (hybrid-pi BJT) and TFormMos (MOSFET). Each
// shows the small-signal model above its "Include:" check boxes and its
// "Type:" radio buttons, which keep their state between uses.
#include "editor/app/FixedDialog.h"
#include "editor/properties/ElementForms.h"

#include <vector>

class QCheckBox;
class QRadioButton;

class ModelOptionsDialog : public FixedDialog {
    Q_OBJECT
public:
    // True when OK closed the dialog. The form mirrors the check boxes and
    // radio buttons after every use.
    bool Execute(ModelOptionsForm& form);

    std::vector<QCheckBox*> Include;
    QRadioButton* TypeN;
    QRadioButton* TypeP;

protected:
    ModelOptionsDialog(QWidget* parent, const ModelOptionsForm& form, bool toolWindow);
};

class TFormBjth : public ModelOptionsDialog {
    Q_OBJECT
public:
    explicit TFormBjth(QWidget* parent = nullptr);

    QCheckBox* ChkHre;
    QCheckBox* ChkHoe;
    QRadioButton* ButtNPN;
    QRadioButton* ButtPNP;
};

class TFormBjtG : public ModelOptionsDialog {
    Q_OBJECT
public:
    explicit TFormBjtG(QWidget* parent = nullptr);

    QCheckBox* ChkCe;
    QCheckBox* ChkCc;
    QCheckBox* ChkGce;
    QRadioButton* ButtNPN;
    QRadioButton* ButtPNP;
};

class TFormMos : public ModelOptionsDialog {
    Q_OBJECT
public:
    explicit TFormMos(QWidget* parent = nullptr);

    QCheckBox* ChkCgs;
    QCheckBox* ChkCgd;
    QCheckBox* ChkCds;
    QRadioButton* ButtNch;
    QRadioButton* ButtPch;
};
