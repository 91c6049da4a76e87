#include "formats/ResultPair.h"

#include "formats/SideNames.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool CreateExclusively(const std::string& path)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool Exists(const std::string& path)
{
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

bool IsRegularFile(const std::string& path)
{
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The tag that a run gives the file's temporary and second name, as in
// "<stem>.<process>-<attempt>.part" or ".old"; "" for any other name.
std::string TagOf(const std::string& name, const std::string& file)
{
    std::string tag;
    for (const std::string end : {".part", ".old"})
        if (name.size() > file.size() + end.size() && name.starts_with(file) && name.ends_with(end))
            tag = name.substr(file.size(), name.size() - file.size() - end.size());
    const std::size_t dash = tag.find('-');
    const bool numbers = tag.size() > 3 && tag[0] == '.' && dash != std::string::npos && dash > 1
        && dash + 1 < tag.size() && tag.find_first_not_of("0123456789", 1) == dash
        && tag.find_first_not_of("0123456789", dash + 1) == std::string::npos;
    return numbers ? tag : "";
}

}  // namespace

ResultPair::ResultPair(std::string first, std::string second)
    : path_{std::move(first), std::move(second)}, stem_{SideStem(path_[0]), SideStem(path_[1])}
{
}

bool ResultPair::Create()
{
    Discard();
    if (!NameFits(path_[0]) || !NameFits(path_[1])) {
        errno = ENAMETOOLONG;
        return false;
    }
    const std::string process = std::to_string(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string tag = "." + process + "-" + std::to_string(attempt);
        for (int f = 0; f < 2; ++f) {
            temp_[f] = stem_[f] + tag + ".part";
            backup_[f] = stem_[f] + tag + ".old";
        }
        if (Exists(backup_[0]) || Exists(backup_[1]))
            continue;  // left by a killed run of a process with this number
        if (!CreateExclusively(temp_[0])) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        if (CreateExclusively(temp_[1])) {
            created_ = true;
            return true;
        }
        const bool taken = errno == EEXIST;
        std::remove(temp_[0].c_str());
        if (!taken)
            return false;
    }
    return false;
}

// The old file stays in place under a second name (a hard link), or moves
// aside where the file system has no links. A folder or other odd entry in
// the file's place is left alone and fails the replacement.
bool ResultPair::Backup(int f)
{
    hadOld_[f] = ::link(path_[f].c_str(), backup_[f].c_str()) == 0;
    if (hadOld_[f] || errno == ENOENT)
        return true;
    if (errno == EEXIST || !IsRegularFile(path_[f]))
        return false;
    hadOld_[f] = std::rename(path_[f].c_str(), backup_[f].c_str()) == 0;
    return hadOld_[f];
}

// Puts the old file back, or removes the new one where there was none.
void ResultPair::Restore(int f, bool putIn)
{
    if (hadOld_[f]) {
        if (std::rename(backup_[f].c_str(), path_[f].c_str()) == 0)
            std::remove(backup_[f].c_str());  // left by a rename between two links of one file
    } else if (putIn) {
        std::remove(path_[f].c_str());
    }
}

bool ResultPair::Replace()
{
    if (!created_)
        return false;
    int putIn = 0;
    bool done = Backup(0) && Backup(1);
    // Back to back: between these two renames a reader may meet one new file.
    while (done && putIn < 2) {
        done = std::rename(temp_[putIn].c_str(), path_[putIn].c_str()) == 0;
        if (done)
            ++putIn;
    }
    for (int f = 0; f < 2; ++f) {
        if (!done)
            Restore(f, f < putIn);
        else if (hadOld_[f])
            std::remove(backup_[f].c_str());
        hadOld_[f] = false;
    }
    if (done)
        created_ = false;
    else
        Discard();
    return done;
}

void ResultPair::Discard()
{
    if (!created_)
        return;
    std::remove(temp_[0].c_str());
    std::remove(temp_[1].c_str());
    created_ = false;
}

void ResultPair::Recover()
{
    std::set<std::string> tags;
    for (const std::string& stem : stem_) {
        const std::filesystem::path file(stem);
        const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            const std::string tag = TagOf(entry.path().filename().string(), file.filename().string());
            if (!tag.empty())
                tags.insert(tag);
        }
    }
    for (const std::string& tag : tags)
        Recover(tag);
}

// The second file's temporary goes last: while it is there, the run had not
// put its pair in place, and the old files go back (a rename between two
// links of one file does nothing, so the second name is removed then).
void ResultPair::Recover(const std::string& tag)
{
    const bool putInPlace = !Exists(stem_[1] + tag + ".part");
    for (int f = 0; f < 2; ++f) {
        const std::string old = stem_[f] + tag + ".old";
        if (Exists(old) && (putInPlace || std::rename(old.c_str(), path_[f].c_str()) == 0))
            std::remove(old.c_str());
    }
    for (const std::string& stem : stem_)
        std::remove((stem + tag + ".part").c_str());
}
