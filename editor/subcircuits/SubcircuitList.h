#pragma once
// The subcircuits a schematic window offers: the names of the files "*.sbc"
// in the subcircuit folder, without extension, sorted; none when the folder
// is missing. And the rule for the names that a subcircuit can have.
#include <string>
#include <vector>

std::vector<std::string> SubcircuitNames(const std::string& subcktFolder);

// Whether a subcircuit can be called so: the name stands in the instance lines
// of schematic files and in ".SUBCKT" lines (IsFileName). False with the message.
bool CheckSubcircuitName(const std::string& name, std::string& message);
