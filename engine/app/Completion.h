#pragma once
// The end of a command-line run: names the result, in full, under "LastFile"
// and posts WM_ANALYSIS_DONE, carrying the same path, to the main window
// numbered under "Main" (formats/Handshake.h).
#include <string>

class IniFile;

// False, with nothing posted, when "LastFile" could not be written: the
// receiver would open an older result.
bool ReportCompletion(IniFile& ini, const std::string& fdtPath);
