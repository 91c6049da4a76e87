#include "formats/ExclusiveLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The holder removes the file before it lets go: a lock won on a file that is
// no longer at the path guards nothing, and is taken again on the new file.
bool StillAtPath(int fd, const std::string& path)
{
    struct stat held, named;
    return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev
        && held.st_ino == named.st_ino;
}

}  // namespace

ExclusiveLock::Result ExclusiveLock::TryLock()
{
    if (Locked())
        return Result::Locked;
    for (;;) {
        int fd = ::open(path_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return Result::Failed;
        int locked;
        do
            locked = ::flock(fd, LOCK_EX | LOCK_NB);
        while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            const bool busy = errno == EWOULDBLOCK;
            ::close(fd);
            return busy ? Result::Busy : Result::Failed;
        }
        if (StillAtPath(fd, path_)) {
            fd_ = fd;
            return Result::Locked;
        }
        ::close(fd);
    }
}

void ExclusiveLock::Release()
{
    if (!Locked())
        return;
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
}
