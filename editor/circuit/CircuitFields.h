#pragma once
// The fields of circuit-file lines. Each brings its own leading blank, so a line
// is a name followed by its fields.
#include "editor/elements/GCompo.h"

#include <string>

// " " and the node number of terminal i.
std::string NodeField(const GCompo& part, int i);
// The node field of every terminal, in terminal order.
std::string NodeFields(const GCompo& part);
// " " and a number with 9 significant digits.
std::string NumberField(double value);
// " " and model parameter i (0-based) with 9 significant digits.
std::string ParamField(const GCompo& part, int i);
// " " and the value with 9 significant digits.
std::string ValueField(const GCompo& part);
// " 0" for a symbolic part, " 1" for a numeric one.
std::string SymbolicField(const GCompo& part);
// " _" and the counter's value, the next free internal node; the counter then grows by 1.
std::string InternalNodeField(int& counter);
