#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace soranika {

#ifdef Q_OS_UNIX
namespace {

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace
#endif

QString NotARegularFileReason() {
    return QStringLiteral("通常のファイルではありません");
}

Result<> OpenRegularFile(QFile& file, const QString& path, FileUse use) {
    const bool forAppending = use == FileUse::Appending;
#ifdef Q_OS_UNIX
    // O_NONBLOCK: opening a named pipe must not wait for its other end. The check is made on the
    // opened descriptor, so nothing can be swapped in between.
    int flags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    flags |= forAppending ? (O_WRONLY | O_APPEND | O_CREAT) : O_RDONLY;
    const int fd = ::open(QFile::encodeName(path).constData(), flags, 0666);
    if (fd < 0) {
        // A pipe without a reader answers "no such device"; say what it really is.
        const int error = errno;
        return Failure{error == ENXIO ? NotARegularFileReason() : SystemReason(error)};
    }
    struct stat status{};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return Failure{NotARegularFileReason()};
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const QIODevice::OpenMode mode =
        forAppending ? QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered
                     : QIODevice::ReadOnly;
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Failure{file.errorString()};
    }
    return {};
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return Failure{NotARegularFileReason()};
    file.setFileName(path);
    const QIODevice::OpenMode mode =
        forAppending ? QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered
                     : QIODevice::ReadOnly;
    if (!file.open(mode))
        return Failure{file.errorString()};
    return {};
#endif
}

Result<QByteArray> ReadRegularFile(const QString& path, qint64 largestSize) {
    QFile file;
    if (const Result<> opened = OpenRegularFile(file, path, FileUse::Reading); opened.failed())
        return Failure{opened.reason()};
    // One byte past what is expected shows a file that grew past the limit meanwhile.
    const QByteArray bytes = file.read(qMin(file.size(), largestSize) + 1);
    if (file.error() != QFileDevice::NoError)
        return Failure{file.errorString()};
    if (bytes.size() > largestSize)
        return Failure{QStringLiteral("ファイルが大きすぎます（%1 バイトまで）")
                           .arg(QLocale(QLocale::Japanese).toString(largestSize))};
    return bytes;
}

} // namespace soranika
