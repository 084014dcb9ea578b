#include "RealFaults.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
#include "WindowsApi.h"
#endif

namespace soranika::testing {

#ifdef Q_OS_LINUX

namespace {

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

} // namespace

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

SmallDisk::SmallDisk(qint64 bytes, const QString& mountOn)
    : mountPoint_(mountOn.isEmpty() ? dir_.path() : mountOn) {
    if (!dir_.isValid()) {
        ready_ = Failure{QStringLiteral("no temporary folder")};
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
    if (::mount("soranika-test", Native(mountPoint_).constData(), "tmpfs", 0,
                options.constData()) != 0) {
        ready_ = Failure{QStringLiteral("cannot mount a small disk here (%1); run as root")
                             .arg(SystemReason(errno))};
        return;
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk() {
    if (mounted_)
        ::umount2(Native(mountPoint_).constData(), MNT_DETACH);
}

qint64 SmallDisk::freeBytes() const {
    struct statvfs status{};
    if (::statvfs(Native(mountPoint_).constData(), &status) != 0)
        return -1;
    return qint64(status.f_bavail) * qint64(status.f_frsize);
}

bool SmallDisk::fill() {
    const int fd = ::open(Native(filePath(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const QByteArray block(4096, '\0');
    // Whole pages first, then single bytes into whatever is left.
    while (::write(fd, block.constData(), block.size()) > 0) {
    }
    while (::write(fd, block.constData(), 1) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full && freeBytes() == 0;
}

ReadOnlyFolder::ReadOnlyFolder() = default;

ReadOnlyFolder::~ReadOnlyFolder() {
    if (mounted_)
        ::umount2(Native(dir_.path()).constData(), MNT_DETACH);
}

Result<> ReadOnlyFolder::makeReadOnly() {
    const QByteArray path = Native(dir_.path());
    if (::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) != 0)
        return Failure{
            QStringLiteral("cannot bind a folder here (%1); run as root").arg(SystemReason(errno))};
    mounted_ = true;
    if (::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        return Failure{
            QStringLiteral("cannot make a folder read-only here (%1)").arg(SystemReason(errno))};
    return {};
}

Result<> SetImmutable(const QString& path, bool immutable) {
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Failure{SystemReason(errno)};
    int flags = 0;
    Result<> changed;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0) {
        changed = Failure{QStringLiteral("no file attributes here (%1)").arg(SystemReason(errno))};
    } else {
        flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        if (::ioctl(fd, FS_IOC_SETFLAGS, &flags) != 0)
            changed = Failure{QStringLiteral("cannot make a file immutable here (%1); run as root")
                                  .arg(SystemReason(errno))};
    }
    ::close(fd);
    return changed;
}

Result<> MakeNamedPipe(const QString& path) {
    if (::mkfifo(Native(path).constData(), 0644) != 0)
        return Failure{SystemReason(errno)};
    return {};
}

Result<> CanFollowSymbolicLinks() {
    return {};
}

Result<> CanLinkEndlessDevice() {
    return {};
}

#else

// Every fault above is made with something only Linux has: a tmpfs, a bind mount, the immutable
// attribute, a named pipe in a folder. Here each one says what is missing, and the test skips.

namespace {

// The Windows error the program is told of where Linux reports `error`, so that a reason
// compares equal to what QFile says there.
int WindowsError(int error) {
    switch (error) {
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case ENOSPC:
        return ERROR_DISK_FULL;
    case EPERM:
    case EACCES:
        return ERROR_ACCESS_DENIED;
    default:
        return -1;
    }
}

} // namespace

QString SystemReason(int error) {
    const int windowsError = WindowsError(error);
    return windowsError >= 0 ? qt_error_string(windowsError)
                             : QString::fromLocal8Bit(std::strerror(error));
}

SmallDisk::SmallDisk(qint64 bytes, const QString& mountOn)
    : mountPoint_(mountOn.isEmpty() ? dir_.path() : mountOn) {
    Q_UNUSED(bytes);
    ready_ = Failure{QStringLiteral("a small disk is a tmpfs mounted for the test, and only Linux "
                                    "has tmpfs")};
}

SmallDisk::~SmallDisk() = default;

qint64 SmallDisk::freeBytes() const {
    return -1;
}

bool SmallDisk::fill() {
    return false;
}

ReadOnlyFolder::ReadOnlyFolder() = default;

ReadOnlyFolder::~ReadOnlyFolder() = default;

Result<> ReadOnlyFolder::makeReadOnly() {
    return Failure{QStringLiteral("a folder is made read-only by a read-only bind mount, which "
                                  "only Linux has (the read-only attribute of a Windows folder "
                                  "does not keep files in it from being changed)")};
}

Result<> SetImmutable(const QString& path, bool immutable) {
    Q_UNUSED(path);
    Q_UNUSED(immutable);
    return Failure{
        QStringLiteral("the immutable attribute (chattr +i) is Linux's; Windows has none")};
}

Result<> MakeNamedPipe(const QString& path) {
    Q_UNUSED(path);
    return Failure{QStringLiteral("Windows keeps named pipes under \\\\.\\pipe\\, never in a "
                                  "folder of the file system")};
}

Result<> CanFollowSymbolicLinks() {
    return Failure{QStringLiteral("QFile::link makes a Windows shortcut (.lnk), which opening a "
                                  "file does not follow")};
}

Result<> CanLinkEndlessDevice() {
    return Failure{QStringLiteral("Windows has no /dev/zero, and no link to a device that opening "
                                  "a file follows")};
}

#endif

} // namespace soranika::testing
