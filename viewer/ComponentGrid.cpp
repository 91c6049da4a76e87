#include "viewer/ComponentGrid.h"

#include "formats/NumberText.h"
#include "viewer/FDT.h"

bool IsSourceName(const std::string& name)
{
    return !name.empty() && (name[0] == 'V' || name[0] == 'v' || name[0] == 'I' || name[0] == 'i');
}

std::vector<GridRow> ComponentGridRows(const FDT& f)
{
    std::vector<GridRow> rows;
    for (int i = 0; i < f.CompoCount(); ++i) {
        const Compo& compo = f.GetCompo(i);
        if (compo.name == "$")
            continue;
        std::string value;
        if (f.curveCount > 1 && i == f.sweptComponent)
            value = kParamCell;
        else if (f.GetViewKind() == View::Phasor && IsSourceName(compo.name))
            value = FloatToStr(compo.value) + " P " + FloatToStr(compo.phase);
        else
            value = FloatToStr(compo.value);
        rows.push_back({compo.name, value});
    }
    return rows;
}

void ReadComponentGrid(FDT& f, const std::vector<GridRow>& rows)
{
    std::size_t row = 0;
    for (int i = 0; i < f.CompoCount() && row < rows.size(); ++i) {
        Compo& compo = f.components[i];
        if (compo.name == "$")
            continue;
        const std::string& cell = rows[row++].value;
        if (cell == kParamCell)
            continue;
        std::size_t p = cell.find('P');
        if (f.GetViewKind() == View::Phasor && IsSourceName(compo.name) && p != std::string::npos) {
            compo.value = StrToD(cell.substr(0, p));
            compo.phase = StrToD(cell.substr(p + 1));
        } else {
            compo.value = StrToD(cell);
        }
    }
}
