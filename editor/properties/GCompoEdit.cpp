// The property dialog of a placed element.
#include "editor/circuit/ModelLines.h"
#include "editor/elements/GCompo.h"
#include "editor/properties/ElementDialogs.h"
#include "formats/NumberText.h"

#include <cctype>
#include <string>

namespace {

struct GridRows {
    const char* caption;
    std::vector<std::string> names;
};

GridRows RowsOf(char kind)
{
    switch (kind) {
    case 'Q': return {"BJT", {"Rhie", "Hre", "Fhfe", "Ghoe"}};
    case 'q': return {"BJT", {"Gbe", "Ce", "Cc", "Gce", "Hgm"}};
    case 'M': return {"MOS", {"Cgs", "Cgd", "Hgm", "Gd", "Cds"}};
    default: return {"Mutual Inductance", {"L1", "L2", "M"}};
    }
}

// The letter a name must start with: that of the name shown when it is the
// kind's letter in either case, else the kind's (a part without a name yet,
// or one of a damaged file named as another kind).
char FirstLetterOf(const GCompo& part)
{
    auto upper = [](char ch) { return std::toupper(static_cast<unsigned char>(ch)); };
    bool own = !part.Name.empty() && upper(part.Name[0]) == upper(part.Kind);
    return own ? part.Name[0] : part.Kind;
}

// TFormTransistor's entries for a part of kind Q, q, M or K.
TransistorForm TransistorFormOf(const GCompo& part)
{
    TransistorForm form;
    GridRows rows = RowsOf(part.Kind);
    form.Caption = rows.caption;
    form.Nome = part.Name;
    form.Symbolic = part.Symbolic != 0;
    for (std::size_t i = 0; i < rows.names.size(); ++i)
        form.Griglia.push_back({rows.names[i], FloatToStr(part.Param[i])});
    form.FirstLetter = FirstLetterOf(part);
    return form;
}

// TFormEdit's entries for a one-value part or a subcircuit instance.
EditForm EditFormOf(const GCompo& part)
{
    EditForm form;
    bool instance = part.Kind == 'X';
    form.Nome = part.Name;
    form.Valore = instance ? "" : FloatToStr(part.Value);
    form.Symbolic = part.Symbolic != 0;
    form.ValoreEnabled = !instance;
    form.SymbolicEnabled = !instance;
    form.FirstLetter = FirstLetterOf(part);
    return form;
}

void EditModel(GCompo& part, ElementDialogs& dialogs)
{
    TransistorForm& form = dialogs.FormTransistor;
    form = TransistorFormOf(part);
    if (!dialogs.ShowTransistor(form))
        return;
    for (std::size_t i = 0; i < form.Griglia.size(); ++i)
        part.Param[i] = StrToD(form.Griglia[i].Value);
    part.Name = form.Nome;
    part.Symbolic = form.Symbolic;
}

void EditValue(GCompo& part, ElementDialogs& dialogs)
{
    EditForm& form = dialogs.FormEdit;
    form = EditFormOf(part);
    if (!dialogs.ShowEdit(form))
        return;
    part.Name = form.Nome;
    part.Value = part.Kind == 'X' ? 0.0 : StrToD(form.Valore);
    part.Symbolic = form.Symbolic;
}

bool HasNoDialog(char kind) { return std::string("vgWTOit").find(kind) != std::string::npos; }

}  // namespace

void GCompo::Edit(ElementDialogs& dialogs)
{
    if (HasNoDialog(Kind))
        return;
    if (IsModelKind(Kind))
        EditModel(*this, dialogs);
    else
        EditValue(*this, dialogs);
}

std::string GCompo::PropertyCheck() const
{
    if (IsModelKind(Kind))
        return TransistorFormOf(*this).OKClick();
    if (!HasNoDialog(Kind))
        return EditFormOf(*this).OKClick();
    if (Kind != 'O')
        return "";
    EditForm name = EditFormOf(*this);  // its name stands in the circuit file
    name.ValoreEnabled = false;
    return name.OKClick();
}
