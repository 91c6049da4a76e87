#include "viewer/window/ComponentGrid.h"

#include <cmath>

#include "formats/NumberText.h"
#include "viewer/model/FDT.h"
#include "viewer/texts/FloatText.h"

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

bool ReadComponentGrid(FDT& f, const std::vector<GridRow>& rows, std::string& error)
{
    struct Read {
        int index;
        double value, phase;
    };
    std::vector<Read> reads;
    std::size_t row = 0;
    for (int i = 0; i < f.CompoCount() && row < rows.size(); ++i) {
        const Compo& compo = f.GetCompo(i);
        if (compo.name == "$")
            continue;
        const std::string& cell = rows[row++].value;
        if (cell == kParamCell)
            continue;
        Read read{i, StrToD(cell), compo.phase};
        std::size_t p = cell.find('P');
        if (f.GetViewKind() == View::Phasor && IsSourceName(compo.name) && p != std::string::npos) {
            read.value = StrToD(cell.substr(0, p));
            read.phase = StrToD(cell.substr(p + 1));
        }
        if (!std::isfinite(read.value) || !std::isfinite(read.phase)) {
            error = FloatConversionError(cell);
            return false;
        }
        reads.push_back(read);
    }
    for (const Read& read : reads) {
        f.SetCompoValue(read.index, read.value);
        f.components[read.index].phase = read.phase;
    }
    return true;
}
