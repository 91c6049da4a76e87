#pragma once
// A name as a message shows it: its control characters written out, so that
// the reader can tell which one a refused name holds.
#include <string>

// Tab as \t, CR as \r, LF as \n, other bytes below 0x20 as ^ and the letter
// (0x01 ^A, 0x1B ^[), DEL as ^?; other bytes unchanged.
std::string VisibleName(const std::string& name);
