#pragma once
// The fields of a circuit-file element line; each brings its own leading blank.
#include "editor/GCompo.h"

#include <string>

// " " and the node number of terminal i.
std::string NodeField(const GCompo& part, int i);
// " " and model parameter i (0-based) with 9 significant digits.
std::string ParamField(const GCompo& part, int i);
// " 0" for a symbolic part, " 1" for a numeric one.
std::string SymbolicField(const GCompo& part);
// " " and a number with 9 significant digits.
std::string NumberField(double value);
