#pragma once
// A program to start without waiting: its path and its arguments, each of which
// reaches the program whole (blanks included).
#include <string>
#include <vector>

struct ProgramCommand {
    std::string Program;
    std::vector<std::string> Arguments;
};

// The message shown when the program could not be started.
std::string StartFailureText(const ProgramCommand& command);
