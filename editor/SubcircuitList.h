#pragma once
// The subcircuits a schematic window offers: the names of the files "*.sbc"
// in the subcircuit folder, without extension, sorted; none when the folder
// is missing.
#include <string>
#include <vector>

std::vector<std::string> SubcircuitNames(const std::string& subcktFolder);
