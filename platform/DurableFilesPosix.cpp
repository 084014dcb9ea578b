#include "DurableFiles.h"
#include "RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace soranika {

namespace {

Failure SystemFailure(int error) {
    return Failure{QString::fromLocal8Bit(std::strerror(error))};
}

QString FolderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

int SyncData(int fd) {
    int result;
    do
        result = ::fdatasync(fd);
    while (result != 0 && errno == EINTR);
    return result;
}

} // namespace

Result<> SyncFileData(QFile& file) {
    if (!file.flush())
        return Failure{file.errorString()};
    if (SyncData(file.handle()) != 0)
        return SystemFailure(errno);
    return {};
}

Result<> SyncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return SystemFailure(errno);
    int result;
    do
        result = ::fsync(fd);
    while (result != 0 && errno == EINTR);
    const int error = errno;
    ::close(fd);
    // EINVAL: a file system that has nothing to sync for a folder (it keeps no names of its own).
    if (result != 0 && error != EINVAL)
        return SystemFailure(error);
    return {};
}

Result<> MakeFolderDurably(const QString& folder) {
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    QStringList missing; // from the deepest up
    for (QString at = path; !QFileInfo::exists(at); at = FolderOf(at)) {
        missing.prepend(at);
        if (FolderOf(at) == at)
            break;
    }
    for (const QString& made : std::as_const(missing)) {
        if (::mkdir(QFile::encodeName(made).constData(), 0777) != 0 && errno != EEXIST)
            return SystemFailure(errno);
        if (const Result<> synced = SyncFolder(FolderOf(made)); synced.failed())
            return synced;
    }
    return {};
}

Result<> WriteFileDurably(const QString& path, const QByteArray& bytes,
                          const QString& permissionsOf) {
    const QByteArray name = QFile::encodeName(path);
    // The file is the program's own: a link put in its place is not written through, and a named
    // pipe is refused at once instead of waiting for a reader.
    const int fd = ::open(name.constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
    if (fd < 0)
        return errno == ENXIO ? Failure{NotARegularFileReason()} : SystemFailure(errno);
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(name.constData());
        return SystemFailure(error);
    };
    struct stat status{};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return Failure{NotARegularFileReason()};
    }
    struct stat like{};
    if (!permissionsOf.isEmpty() &&
        ::stat(QFile::encodeName(permissionsOf).constData(), &like) == 0 &&
        ::fchmod(fd, like.st_mode & 07777) != 0)
        return fail(errno);
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t taken = ::write(fd, bytes.constData() + written, bytes.size() - written);
        if (taken < 0 && errno == EINTR)
            continue;
        if (taken <= 0)
            return fail(taken < 0 ? errno : ENOSPC);
        written += taken;
    }
    if (SyncData(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(name.constData());
        return SystemFailure(error);
    }
    return {};
}

Result<> ReplaceFileDurably(const QString& from, const QString& to) {
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return SystemFailure(errno);
    if (const Result<> synced = SyncFolder(FolderOf(to)); synced.failed())
        return synced;
    if (FolderOf(from) != FolderOf(to))
        return SyncFolder(FolderOf(from));
    return {};
}

Result<> RemoveFileDurably(const QString& path) {
    if (::unlink(QFile::encodeName(path).constData()) != 0)
        return errno == ENOENT ? Result<>() : SystemFailure(errno);
    return SyncFolder(FolderOf(path));
}

} // namespace soranika
