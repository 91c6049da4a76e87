#include "editor/circuit/CircuitFields.h"

#include "formats/NumberText.h"

std::string NodeField(const GCompo& part, int i) { return " " + std::to_string(part.Node[i]); }

std::string NodeFields(const GCompo& part)
{
    std::string text;
    for (int i = 0; i < part.TermCount && i < 4; ++i)
        text += NodeField(part, i);
    return text;
}

std::string NumberField(double value) { return " " + GcvtText(value, 9); }

std::string ParamField(const GCompo& part, int i) { return NumberField(part.Param[i]); }

std::string ValueField(const GCompo& part) { return NumberField(part.Value); }

std::string SymbolicField(const GCompo& part) { return part.Symbolic ? " 0" : " 1"; }

std::string InternalNodeField(int& counter) { return " _" + std::to_string(counter++); }
