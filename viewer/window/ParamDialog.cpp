#include "viewer/window/ParamDialog.h"

#include <algorithm>
#include <cmath>

#include "formats/NumberText.h"
#include "viewer/model/FDT.h"
#include "viewer/texts/FloatText.h"

ParamDialogState FillParamDialog(const FDT& f, const std::vector<GridRow>& grid)
{
    ParamDialogState dialog;
    for (const GridRow& row : grid)
        dialog.items.push_back(row.name);
    if (f.curveCount == 1 || f.sweptComponent < 0 || f.sweptComponent >= f.CompoCount()) {
        dialog.selected = dialog.items.empty() ? -1 : 0;
        return dialog;
    }
    for (int c = 0; c < f.curveCount && c < 6; ++c)
        dialog.edits[c] = GcvtText(f.curveValues[c], 6);
    dialog.selected = f.RowOfCompo(f.sweptComponent);
    return dialog;
}

void DeleteAllValues(ParamDialogState& dialog)
{
    for (std::string& edit : dialog.edits)
        edit.clear();
}

bool ApplyParamDialog(FDT& f, const ParamDialogState& dialog, std::vector<GridRow>& grid, std::string& error)
{
    if (dialog.selected < 0 || dialog.selected >= static_cast<int>(grid.size()))
        return true;
    int compo = f.CompoIndexOfRow(dialog.selected);
    if (compo >= f.CompoCount())
        return true;
    double values[kMaxCurves];
    int n = 0;
    for (const std::string& edit : dialog.edits) {
        if (edit.find_first_not_of(" \t") == std::string::npos)
            continue;
        values[n] = StrToD(edit);
        if (!std::isfinite(values[n])) {
            error = FloatConversionError(edit);
            return false;
        }
        ++n;
    }
    std::copy(values, values + n, f.curveValues);
    f.sweptComponent = compo;
    f.curveCount = n > 1 ? n : 1;
    // One value becomes the component's value; none keeps the value it has.
    if (n <= 1) {
        f.SetCompoValue(compo, n == 1 ? f.curveValues[0] : f.GetCompo(compo).value);
        grid[dialog.selected].value = FloatToStr(f.GetCompo(compo).value);
    }
    return true;
}
