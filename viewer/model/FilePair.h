#pragma once
// Replaces two files that belong together: both are written in full beside
// their targets, then renamed over them. On failure neither target has
// changed, except that a failure of the second rename removes the first
// target, so no mismatched pair is left behind.
#include <string>

// False with the path that could not be written in failed.
bool WriteFilePair(const std::string& pathA, const std::string& bytesA, const std::string& pathB,
                   const std::string& bytesB, std::string& failed);
