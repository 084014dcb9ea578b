#include "HistoryFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace soranika {

std::optional<QString> AppendWhole(const QString& path, const QByteArray& bytes) {
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    // Unbuffered, so that a short write shows here and not later at close.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 before = file.size();
    if (file.write(bytes) == bytes.size() && file.flush()) {
        file.close();
        return std::nullopt;
    }
    const QString reason = file.errorString();
    file.resize(before);
    file.close();
    if (!existed)
        QFile::remove(path);
    return reason;
}

std::optional<QString> ReplaceWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace soranika
