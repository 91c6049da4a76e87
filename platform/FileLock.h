#pragma once
// An exclusive lock on a lock file, held for the object's lifetime. The
// system drops it when the holder ends, so a crash leaves no stale lock.
#include <chrono>
#include <string>

class FileLock {
public:
    // Waits up to the given time for the lock.
    explicit FileLock(const std::string& path, std::chrono::milliseconds wait = std::chrono::seconds(5));
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Locked() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};
