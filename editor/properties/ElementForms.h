#pragma once
// The entries of the element dialogs and the checks of their OK buttons. The
// window shows them with widgets; a failed check leaves the dialog open with
// the message shown.
#include <string>
#include <vector>

// TFormEdit: name, value and symbolic flag of a one-value element.
struct EditForm {
    std::string Nome;
    std::string Valore;
    bool Symbolic = false;
    bool ValoreEnabled = true;  // a subcircuit instance has no value (its box shows empty and grey)
    bool SymbolicEnabled = true;
    char FirstLetter = 0;  // of the name when the dialog was shown

    // "" when OK may close the dialog, else the message to show.
    std::string OKClick() const;
};

// One row of the parameter grid: parameter name and value text.
struct ParameterRow {
    std::string Name;
    std::string Value;
};

// TFormTransistor: name, model parameters and symbolic flag of Q, q, M and K.
struct TransistorForm {
    std::string Caption = "Transistor";
    std::string Nome;
    std::vector<ParameterRow> Griglia;
    bool Symbolic = false;
    char FirstLetter = 0;

    std::string OKClick() const;
};

// TFormBjth, TFormBjtG, TFormMos: the model options asked before a new
// transistor. Check boxes and radio buttons keep their state between uses.
struct ModelOptionsForm {
    explicit ModelOptionsForm(char kind);

    char Kind;                         // 'Q', 'q' or 'M'
    std::string Caption;               // "BJT h", "BJT g", "MosFet"
    std::vector<std::string> Options;  // captions of the "Include:" check boxes
    std::string TypeN;                 // caption of the first radio button ("NPN", "N Channel")
    std::string TypeP;
    bool Checked[3] = {false, false, false};
    bool IsTypeN = true;
};
