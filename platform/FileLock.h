#pragma once

#include <QString>

#include <memory>

class QLockFile;

// An exclusive lock on a file next to the data it guards, held while the object lives. Waiting
// for it blocks until the holder lets go (the link hand-over holds it while it checks for a
// running app and starts listening). On Unix it is the kernel's advisory lock, which the kernel drops when the
// holding process ends, so a killed holder never leaves the lock behind.
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
