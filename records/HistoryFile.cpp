#include "HistoryFile.h"

#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>

namespace soranika {

QString FinalLinkTarget(const QString& path) {
    // Bounded like the system's own resolution, so that a loop of links ends.
    QFileInfo info(path);
    for (int hops = 0; hops < 40 && info.isSymLink(); ++hops)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

Result<> AppendWhole(const QString& path, const QByteArray& bytes) {
    // Undoing a failed first write removes the file the links lead to, never a link.
    const QString target = FinalLinkTarget(path);
    const bool existed = QFileInfo::exists(target);
    QFile file;
    if (Result<> opened = OpenRegularFile(file, target, true); opened.failed())
        return opened;
    const qint64 before = file.size();
    qint64 written = 0;
    while (written < bytes.size()) {
        // A disk that fills up part-way takes some bytes and then refuses the rest; asking again
        // for the rest brings the system's reason.
        const qint64 taken = file.write(bytes.constData() + written, bytes.size() - written);
        if (taken <= 0)
            break;
        written += taken;
    }
    if (written == bytes.size()) {
        file.close();
        return {};
    }
    const QString reason = file.errorString();
    // Undone as far as the system lets it; the failure reported is the one that counts.
    (void)file.resize(before);
    file.close();
    if (!existed)
        (void)QFile::remove(target);
    return Failure{reason};
}

PendingReplacement::PendingReplacement(const QString& path)
    : path_(path)
    , file_(path) {}

Result<> PendingReplacement::write(const QByteArray& bytes) {
    // A pipe or a device in its place is left alone, not replaced by a file.
    const QFileInfo target(FinalLinkTarget(path_));
    if (target.exists() && !target.isFile())
        return Failure{NotARegularFileReason()};
    // Unbuffered, so that a full disk shows at this write; QSaveFile would otherwise find it only
    // while committing, and put the short file in place all the same.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure{file_.errorString()};
    if (file_.write(bytes) != bytes.size()) {
        const QString reason = file_.errorString();
        file_.cancelWriting();
        return Failure{reason};
    }
    return {};
}

Result<> PendingReplacement::commit() {
    if (!file_.commit())
        return Failure{file_.errorString()};
    return {};
}

} // namespace soranika
