#pragma once
// The modal dialogs that a schematic window asks for: the two property dialogs,
// the three transistor option dialogs and the message box. The frame makes them
// once and they keep their entries between uses; the window shows them with
// widgets, tests answer from a script.
#include "editor/properties/ElementForms.h"

#include <string>

class ElementDialogs {
public:
    virtual ~ElementDialogs() = default;

    // Each shows its form modally; true when the user closed it with OK after
    // its checks passed, the form then holding the accepted entries.
    virtual bool ShowEdit(EditForm& form) = 0;
    virtual bool ShowTransistor(TransistorForm& form) = 0;
    virtual bool ShowOptions(ModelOptionsForm& form) = 0;
    virtual void ShowMessage(const std::string& text) = 0;

    // The option dialog of a transistor kind ('Q', 'q' or 'M').
    ModelOptionsForm& OptionsFor(char kind);

    EditForm FormEdit;
    TransistorForm FormTransistor;
    ModelOptionsForm FormBjth{'Q'};
    ModelOptionsForm FormBjtG{'q'};
    ModelOptionsForm FormMos{'M'};
};
