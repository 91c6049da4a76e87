#include "engine/app/Completion.h"

#include <filesystem>
#include <system_error>

#include "formats/Handshake.h"
#include "platform/IniFile.h"
#include "platform/PostMessage.h"

namespace {

// Tervox has a working folder of its own: it gets the path in full (not
// shortened by hand, where ".." after a link would name another folder).
std::string FullPath(const std::string& path)
{
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.string();
}

}  // namespace

bool ReportCompletion(IniFile& ini, const std::string& fdtPath)
{
    std::string path = FullPath(fdtPath);
    int mainWindow = ini.ReadInteger(kIniSection, kMainKey, 0);
    if (!ini.WriteString(kIniSection, kLastFileKey, path))
        return false;
    PostMessage(mainWindow, WM_ANALYSIS_DONE, path);  // a stale number goes nowhere
    return true;
}
