#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace soranika {

LockFileInstance::LockFileInstance(QString lockPath)
    : lockPath_(std::move(lockPath)) {}

LockFileInstance::~LockFileInstance() {
#ifdef Q_OS_UNIX
    if (lockDescriptor_ >= 0)
        ::close(lockDescriptor_);
#endif
}

QString LockFileInstance::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("soranika.lock"));
}

#ifdef Q_OS_UNIX

bool LockFileInstance::claim() {
    if (lockDescriptor_ >= 0 || unchecked_)
        return true;
    const QByteArray path = QFile::encodeName(lockPath_);
    // Never through a link, never waiting on a pipe; a file that cannot be written (a read-only
    // folder) can still carry the lock when opened for reading.
    constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | kFlags, 0600);
    if (fd < 0)
        fd = ::open(path.constData(), O_RDONLY | kFlags);
    struct stat status{};
    if (fd >= 0 && (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    if (fd < 0) {
        // The folder cannot hold a lock: nothing can tell whether another copy runs.
        unchecked_ = true;
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return false;
        unchecked_ = true;
        return true;
    }
    lockDescriptor_ = fd;
    // Who holds it, for a person who looks; nothing reads it back, so a failure does not matter.
    const QByteArray holder = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    if (::ftruncate(fd, 0) == 0 && ::pwrite(fd, holder.constData(), holder.size(), 0) < 0) {
        // Ignored on purpose: the kernel lock is the claim.
    }
    return true;
}

#else

bool LockFileInstance::claim() {
    if (lock_ && lock_->isLocked())
        return true;
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // A lock whose process is gone is stale; tryLock removes it and takes over. A living holder
    // keeps it however old it is.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return true;
    // Only a living holder refuses the start; a folder where no lock can be made does not.
    if (lock_->error() != QLockFile::LockFailedError)
        return true;
    // A folder standing in the lock file's place answers "access denied", which QLockFile takes
    // for a living holder: no lock can ever be made there, so nothing can tell.
    if (const QFileInfo inTheWay(lockPath_); inTheWay.exists() && !inTheWay.isFile())
        return true;
    // A living holder keeps its lock file open, so the system will not remove it; a file left
    // behind, however damaged, can be removed and the lock taken.
    return lock_->removeStaleLockFile() && lock_->tryLock(0);
}

#endif

} // namespace soranika
