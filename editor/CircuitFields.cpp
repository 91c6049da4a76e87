#include "editor/CircuitFields.h"

#include "formats/NumberText.h"

std::string NodeField(const GCompo& part, int i) { return " " + std::to_string(part.Node[i]); }

std::string ParamField(const GCompo& part, int i) { return " " + GcvtText(part.Param[i], 9); }

std::string ValueField(const GCompo& part) { return " " + GcvtText(part.Value, 9); }

std::string SymbolicField(const GCompo& part) { return part.Symbolic ? " 0" : " 1"; }

std::string InternalNodeField(int& counter) { return " _" + std::to_string(counter++); }
