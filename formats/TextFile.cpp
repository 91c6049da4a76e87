#include "formats/TextFile.h"

#include "formats/SideNames.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
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
    lines = SplitTextLines(bytes);
    return true;
}

std::vector<std::string> SplitTextLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            lines.push_back(line);
            line.clear();
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += ch;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

namespace {

// A new file beside path that no other writer shares, made with the mode the
// user's umask gives; -1 when it cannot be made.
int CreateTemporary(const std::string& path, std::string& temp)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = SideStem(path) + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter++) + "~";
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A file that its permissions keep from being written (a read-only file):
// the rename of a new file over it would pass over the user's wish.
bool ReadOnly(const std::string& path)
{
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0 || S_ISDIR(old.st_mode))
        return false;
    return (old.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

bool WriteFileAtomic(const std::string& path, const std::string& bytes)
{
    if (ReadOnly(path) || !NameFits(path))
        return false;
    std::string temp;
    int fd = CreateTemporary(path, temp);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes);
    struct stat old {};
    if (ok && ::stat(path.c_str(), &old) == 0)  // the new file keeps the old one's mode
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return WriteFileAtomic(path, bytes);
}
