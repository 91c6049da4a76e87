#pragma once
// The entries of the approximated-analysis dialog and the ".APP" line they
// make: the error limit in percent, the count and a geometric series of test
// frequencies from the start to the stop frequency, written as typed (Hz).
#include <string>

struct ApproxEntries {
    std::string startFreq;    // "Start Freq. (Hz) :"
    std::string stopFreq;     // "Stop Freq. (Hz) :"
    std::string count = "2";  // "Num Freq. :"
    std::string errorLimit;   // "Max Err % :"
};

// Checks the entries in dialog order. True with the ".APP" line (each number
// followed by one blank) for the schematic's pending line; false with the
// message to show, line untouched.
bool ApproxLine(const ApproxEntries& entries, std::string& line, std::string& message);
