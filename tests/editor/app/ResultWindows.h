#pragma once
// The result windows of a Tervox frame.
#include <vector>

#include "editor/app/MainForm.h"
#include "viewer/app/ChildWin.h"

// The current one first, then down the stacking order.
inline std::vector<TMDIChild*> ResultWindows(const TMainForm& form)
{
    std::vector<TMDIChild*> results;
    for (MdiChild* child : form.Children())
        if (auto* result = dynamic_cast<TMDIChild*>(child))
            results.push_back(result);
    return results;
}
