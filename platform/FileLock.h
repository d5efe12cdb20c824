#pragma once

#include <QString>

#include <memory>

class QLockFile;

// An exclusive lock on a file next to the data it guards, held while the object lives. Waiting
// for it blocks until the holder lets go: the store's writers hold it for one read-merge-write,
// a few milliseconds. On Unix it is the kernel's advisory lock, which the kernel drops when the
// holding process ends, so a killed writer never leaves the store locked and no waiter is turned
// away while another process writes in a loop.
class FileLock
{
public:
    explicit FileLock(const QString &path);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    [[nodiscard]] bool locked() const;

private:
    int descriptor_ = -1;
    std::unique_ptr<QLockFile> fallback_;
};
