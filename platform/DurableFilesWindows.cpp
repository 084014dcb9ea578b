#include "DurableFiles.h"
#include "WindowsApi.h"

#include <QDir>
#include <QFile>

#include <io.h>

namespace soranika {

namespace {

Failure LastSystemFailure() {
    return Failure{qt_error_string(static_cast<int>(GetLastError()))};
}

std::wstring NativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

} // namespace

Result<> SyncFileData(QFile& file) {
    if (!file.flush())
        return Failure{file.errorString()};
    // QFile hands out a C run-time descriptor for the handle it opened.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (handle == INVALID_HANDLE_VALUE || !FlushFileBuffers(handle))
        return LastSystemFailure();
    return {};
}

Result<> SyncFolder(const QString&) {
    return {};
}

Result<> MakeFolderDurably(const QString& folder) {
    if (!QDir().mkpath(folder))
        return Failure{QStringLiteral("フォルダを作れません")};
    return {};
}

// Windows keeps a file's access rights in its folder's, which a new file takes anyway; the only
// permission of the file's own, the read-only mark, would stop the replacement.
Result<> WriteFileDurably(const QString& path, const QByteArray& bytes, const QString&) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return Failure{file.errorString()};
    const auto fail = [&](const Failure& failure) {
        file.close();
        (void)QFile::remove(path);
        return failure;
    };
    if (file.write(bytes) != bytes.size())
        return fail(Failure{file.errorString()});
    if (const Result<> synced = SyncFileData(file); synced.failed())
        return fail(Failure{synced.reason()});
    file.close();
    return {};
}

Result<> ReplaceFileDurably(const QString& from, const QString& to) {
    if (!MoveFileExW(NativePath(from).c_str(), NativePath(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return LastSystemFailure();
    return {};
}

Result<> RemoveFileDurably(const QString& path) {
    if (!DeleteFileW(NativePath(path).c_str())) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return {};
        return Failure{qt_error_string(static_cast<int>(error))};
    }
    return {};
}

} // namespace soranika
