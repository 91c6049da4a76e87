#include "formats/SideNames.h"

#include "formats/Paths.h"

#include <algorithm>
#include <cstdint>
#include <unistd.h>

namespace {

constexpr std::size_t kHashText = 17;  // "~" and 16 hex digits

std::size_t NameLimit(const std::string& folder)
{
    long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

std::string HashText(const std::string& name)
{
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char ch : name)
        hash = (hash ^ ch) * 1099511628211ull;
    static const char digits[] = "0123456789abcdef";
    std::string text = "~";
    for (int shift = 60; shift >= 0; shift -= 4)
        text += digits[(hash >> shift) & 15];
    return text;
}

// Empty when the name fits, else a line that says it is too long.
std::string NameTooLongNote(const std::string& path)
{
    return NameFits(path) ? "" : "\r\nIts name is too long for the file system!";
}

}  // namespace

bool NameFits(const std::string& path)
{
    return ExtractFileName(path).size() <= NameLimit(ExtractFilePath(path));
}

std::string SideStem(const std::string& path)
{
    const std::string folder = ExtractFilePath(path), name = ExtractFileName(path);
    const std::size_t limit = NameLimit(folder);
    if (name.size() + kSideSuffixRoom <= limit)
        return path;
    const std::size_t room = kSideSuffixRoom + kHashText;
    std::size_t keep = std::min(name.size(), limit > room ? limit - room : 0);
    while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
        --keep;  // whole UTF-8 characters
    return folder + name.substr(0, keep) + HashText(name);
}

std::string CannotCreateText(const std::string& path)
{
    return "Cannot create file \"" + path + "\"" + NameTooLongNote(path);
}

std::string CannotWriteText(const std::string& path)
{
    return "The file " + path + " cannot be written!" + NameTooLongNote(path);
}
