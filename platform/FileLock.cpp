#include "platform/FileLock.h"

#include <QFile>
#include <QLockFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

FileLock::FileLock(const QString &path)
{
#ifdef Q_OS_UNIX
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return;
    int result = 0;
    do {
        result = ::flock(descriptor, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(descriptor);
        return;
    }
    descriptor_ = descriptor;
#else
    fallback_ = std::make_unique<QLockFile>(path);
    if (!fallback_->lock())
        fallback_.reset();
#endif
}

FileLock::~FileLock()
{
#ifdef Q_OS_UNIX
    // Closing the last descriptor of the file releases the lock. The file itself stays: removing
    // it would let a later writer lock a new file while a waiter still locks the old one.
    if (descriptor_ >= 0)
        ::close(descriptor_);
#endif
}

bool FileLock::locked() const
{
    return descriptor_ >= 0 || fallback_ != nullptr;
}
