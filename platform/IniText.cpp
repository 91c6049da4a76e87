#include "platform/IniText.h"

#include <cstddef>

namespace {

std::string Trim(const std::string& text)
{
    std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return "";
    std::size_t end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

// The section name of a header line.
std::optional<std::string> SectionOf(const std::string& line)
{
    std::string text = Trim(line);
    if (text.empty() || text[0] != '[')
        return std::nullopt;
    std::size_t close = text.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return Trim(text.substr(1, close - 1));
}

bool IsKeyLine(const std::string& line, const std::string& key)
{
    std::size_t equal = line.find('=');
    return equal != std::string::npos && SameName(Trim(line.substr(0, equal)), key);
}

// The index of the matching section's header, or lines.size().
std::size_t FindSection(const std::vector<std::string>& lines, const std::string& section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::optional<std::string> name = SectionOf(lines[i]);
        if (name && SameName(*name, section))
            return i;
    }
    return lines.size();
}

// The index past the section's last line.
std::size_t SectionEnd(const std::vector<std::string>& lines, std::size_t header)
{
    std::size_t i = header + 1;
    while (i < lines.size() && !SectionOf(lines[i]))
        ++i;
    return i;
}

}  // namespace

std::optional<std::string> FindIniValue(const std::vector<std::string>& lines, const std::string& section,
                                        const std::string& key)
{
    std::size_t header = FindSection(lines, section);
    if (header == lines.size())
        return std::nullopt;
    std::size_t end = SectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (IsKeyLine(lines[i], key))
            return Trim(lines[i].substr(lines[i].find('=') + 1));
    return std::nullopt;
}

void SetIniValue(std::vector<std::string>& lines, const std::string& section, const std::string& key,
                 const std::string& value)
{
    std::string entry = key + "=" + value;
    std::size_t header = FindSection(lines, section);
    if (header == lines.size()) {
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
        return;
    }
    std::size_t end = SectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (IsKeyLine(lines[i], key)) {
            lines[i] = entry;
            return;
        }
    }
    std::size_t at = end;
    while (at > header + 1 && Trim(lines[at - 1]).empty())
        --at;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
}
