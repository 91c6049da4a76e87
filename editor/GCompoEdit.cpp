// The property dialog of a placed element.
#include "editor/ElementDialogs.h"
#include "editor/GCompo.h"
#include "editor/ModelLines.h"
#include "formats/NumberText.h"

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

// The letter a name must start with: that of the name shown, or the kind's
// when the part has no name yet.
char FirstLetterOf(const GCompo& part) { return part.Name.empty() ? part.Kind : part.Name[0]; }

void EditModel(GCompo& part, ElementDialogs& dialogs)
{
    TransistorForm& form = dialogs.FormTransistor;
    GridRows rows = RowsOf(part.Kind);
    form.Caption = rows.caption;
    form.Nome = part.Name;
    form.Symbolic = part.Symbolic != 0;
    form.Griglia.clear();
    for (std::size_t i = 0; i < rows.names.size(); ++i)
        form.Griglia.push_back({rows.names[i], FloatToStr(part.Param[i])});
    form.FirstLetter = FirstLetterOf(part);
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
    bool instance = part.Kind == 'X';
    form.Nome = part.Name;
    form.Valore = instance ? "" : FloatToStr(part.Value);
    form.Symbolic = part.Symbolic != 0;
    form.ValoreEnabled = !instance;
    form.SymbolicEnabled = !instance;
    form.FirstLetter = FirstLetterOf(part);
    if (!dialogs.ShowEdit(form))
        return;
    part.Name = form.Nome;
    part.Value = instance ? 0.0 : StrToD(form.Valore);
    part.Symbolic = form.Symbolic;
}

}  // namespace

void GCompo::Edit(ElementDialogs& dialogs)
{
    if (std::string("vgWTOit").find(Kind) != std::string::npos)
        return;
    if (IsModelKind(Kind))
        EditModel(*this, dialogs);
    else
        EditValue(*this, dialogs);
}
