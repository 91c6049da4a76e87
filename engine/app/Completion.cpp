#include "engine/app/Completion.h"

#include "formats/Handshake.h"
#include "platform/IniFile.h"
#include "platform/PostMessage.h"

bool ReportCompletion(IniFile& ini, const std::string& fdtPath)
{
    int mainWindow = ini.ReadInteger(kIniSection, kMainKey, 0);
    if (!ini.WriteString(kIniSection, kLastFileKey, fdtPath))
        return false;
    PostMessage(mainWindow, WM_ANALYSIS_DONE, fdtPath);  // a stale number goes nowhere
    return true;
}
