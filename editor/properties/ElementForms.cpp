#include "editor/properties/ElementForms.h"

#include "editor/elements/PartNames.h"
#include "formats/NumberText.h"

#include <cmath>

namespace {

// The checks that both property dialogs make on the name.
std::string NameMessage(const std::string& name, char firstLetter)
{
    if (name.empty() || name[0] != firstLetter)
        return std::string("The first letter of this component must be: ") + firstLetter + " !";
    if (!IsFileName(name))
        return "The name of this component must not contain blanks, control characters or # !";
    return "";
}

const char* const BadNumber = "Values must be numbers!";

}  // namespace

std::string EditForm::OKClick() const
{
    std::string message = NameMessage(Nome, FirstLetter);
    if (!message.empty() || !ValoreEnabled)
        return message;
    double value = StrToD(Valore);
    if (value == 0)
        return "Zero values are not allowed!";
    if (!std::isfinite(value))
        return BadNumber;
    return "";
}

std::string TransistorForm::OKClick() const
{
    std::string message = NameMessage(Nome, FirstLetter);
    if (!message.empty())
        return message;
    for (const ParameterRow& row : Griglia)
        if (!std::isfinite(StrToD(row.Value)))
            return BadNumber;
    return "";
}

ModelOptionsForm::ModelOptionsForm(char kind) : Kind(kind), TypeN("NPN"), TypeP("PNP")
{
    switch (kind) {
    case 'Q':
        Caption = "BJT h";
        Options = {"hre", "hoe"};
        break;
    case 'q':
        Caption = "BJT g";
        Options = {"Ce", "Cc", "Gce"};
        break;
    default:
        Caption = "MosFet";
        Options = {"Cgs", "Cgd", "Cds"};
        TypeN = "N Channel";
        TypeP = "P Channel";
        break;
    }
}
