#pragma once
// The folder of the running program's executable, with its trailing '/'.
#include <string>

std::string ProgramFolder();
