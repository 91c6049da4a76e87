#pragma once
// An exclusive lock on a lock file beside the files it guards, taken without
// waiting. The system drops it when its holder ends, so a crash leaves no
// stale lock; the holder removes the file when it lets go.
#include <string>

class ExclusiveLock {
public:
    enum class Result { Locked, Busy, Failed };

    explicit ExclusiveLock(std::string path) : path_(std::move(path)) {}
    ~ExclusiveLock() { Release(); }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

    // Busy while another holder has it; Failed when the file cannot be made.
    Result TryLock();
    // Removes the lock file and lets go; nothing when not held.
    void Release();
    bool Locked() const { return fd_ >= 0; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
};
