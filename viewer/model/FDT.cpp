#include "viewer/model/FDT.h"

#include <cmath>

FDT::FDT() = default;

void FDT::SetViewKind(int kind)
{
    if (kind == viewKind)
        return;
    viewKind = kind;
    zoomed = false;
}

int FDT::CompoIndexOfRow(int row) const
{
    for (int i = 0; i < CompoCount(); ++i)
        if (components[i].row == row)
            return i;
    return CompoCount();
}

double FDT::CompoValueForCurve(int i, int c) const
{
    if (i == sweptComponent)
        return curveValues[c];
    return components[i].value;
}

void FDT::SetCompoValue(int i, double v)
{
    components[i].value = v;
    if (curveCount == 1 && i == sweptComponent)
        curveValues[0] = v;
}

Complex FDT::CompoPhasor(int i) const
{
    const Compo& compo = components[i];
    double angle = compo.phase * kPi * (1.0 / 180.0);
    return {compo.value * std::cos(angle), compo.value * std::sin(angle)};
}
