#include "platform/IniFile.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "formats/SideNames.h"
#include "formats/TextFile.h"
#include "platform/FileLock.h"
#include "platform/IniText.h"
#include "platform/ProgramFolder.h"

IniFile IniFile::BesideProgram()
{
    return IniFile(ProgramFolder() + kFileName);
}

std::optional<std::string> IniFile::ReadValue(const std::string& section, const std::string& key) const
{
    std::vector<std::string> lines;
    if (!ReadTextLines(path_, lines))
        return std::nullopt;
    return FindIniValue(lines, section, key);
}

std::string IniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const
{
    return ReadValue(section, key).value_or(def);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int def) const
{
    std::string text = ReadString(section, key, "");
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    int value = 0;
    std::from_chars_result result = std::from_chars(begin, end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end)
        return def;
    return value;
}

bool IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    if ((section + key + value).find_first_of("\r\n") != std::string::npos)
        return false;
    FileLock lock(SideStem(path_) + ".lock");
    if (!lock.Locked())
        return false;
    std::vector<std::string> lines;
    if (!ReadTextLines(path_, lines)) {
        std::FILE* probe = std::fopen(path_.c_str(), "rb");
        if (probe) {  // there but unreadable: do not replace it
            std::fclose(probe);
            return false;
        }
    }
    SetIniValue(lines, section, key, value);
    return WriteTextLines(path_, lines);
}

bool IniFile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    return WriteString(section, key, std::to_string(value));
}
