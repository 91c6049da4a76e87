#include "editor/CircuitFields.h"

#include "formats/NumberText.h"

std::string NodeField(const GCompo& part, int i) { return " " + std::to_string(part.Node[i]); }

std::string ParamField(const GCompo& part, int i) { return NumberField(part.Param[i]); }

std::string SymbolicField(const GCompo& part) { return part.Symbolic ? " 0" : " 1"; }

std::string NumberField(double value) { return " " + GcvtText(value, 9); }
