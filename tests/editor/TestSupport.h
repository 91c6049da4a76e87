#pragma once
// Shared fixtures: a subcircuit symbol file in a temporary folder.
#include "tests/platform/TempFolder.h"

// The subcircuit "amp": a 60 x 40 box with pins left 10, right 10, bottom 20, top 30.
inline void WriteAmpSymbol(const TempFolder& folder)
{
    WriteBytes(folder / "amp.sbc", "6 4 L1 R1 B2 T3 \r\nR1 1 2 1000\r\n");
}
