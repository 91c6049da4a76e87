#include "engine/app/Completion.h"

#include "platform/IniFile.h"
#include "platform/Messages.h"
#include "platform/PostMessage.h"

bool ReportCompletion(IniFile& ini, const std::string& fdtPath)
{
    int mainWindow = ini.ReadInteger("SYSTEM", "Main", 0);
    if (!ini.WriteString("SYSTEM", "LastFile", fdtPath))
        return false;
    PostMessage(mainWindow, WM_ANALYSIS_DONE);  // a stale number goes nowhere
    return true;
}
