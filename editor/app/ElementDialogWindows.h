#pragma once
// The element dialogs a schematic window asks for, shown as the dialogs made
// once at start; and what a schematic window needs of the long-lived forms.
#include "editor/properties/ElementDialogs.h"

class TFormApprox;
class TFormBjtG;
class TFormBjth;
class TFormEdit;
class TFormMos;
class TFormTransistor;

class ElementDialogWindows : public ElementDialogs {
public:
    ElementDialogWindows(TFormEdit& edit, TFormTransistor& transistor, TFormBjth& bjth, TFormBjtG& bjtG,
                         TFormMos& mos);

    bool ShowEdit(EditForm& form) override;
    bool ShowTransistor(TransistorForm& form) override;
    bool ShowOptions(ModelOptionsForm& form) override;
    void ShowMessage(const std::string& text) override;

private:
    TFormEdit& edit_;
    TFormTransistor& transistor_;
    TFormBjth& bjth_;
    TFormBjtG& bjtG_;
    TFormMos& mos_;
};

// The long-lived forms every schematic window uses.
struct SchematicForms {
    ElementDialogs& Elements;
    TFormApprox& FormApprox;
};
