#pragma once
// Starts a program without waiting for it and without keeping any hold on it.
#include <string>
#include <vector>

// Each argument reaches the program as one argument, blanks included. False
// when the program could not be started.
bool StartProgram(const std::string& program, const std::vector<std::string>& arguments);
