#include "formats/TextFile.h"

#include <cstdio>
#include <unistd.h>

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines)
{
    lines.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::string bytes;
    char buffer[1 << 14];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    bool ok = !std::ferror(file);
    std::fclose(file);
    if (!ok)
        return false;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char ch = bytes[i];
        if (ch == '\r' || ch == '\n') {
            lines.push_back(line);
            line.clear();
            if (ch == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            line += ch;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return true;
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes)
{
    std::string temp = path + ".tmp~";
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = fsync(fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (ok)
        ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok)
        std::remove(temp.c_str());
    return ok;
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return WriteFileAtomic(path, bytes);
}
