#include "HistoryFile.h"

#include "DurableFiles.h"
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

Result<> AppendWhole(const QString& path, const QByteArray& bytes,
                     const std::function<Result<>(const AppendStart&)>& beforeWriting) {
    // Undoing a failed first write removes the file the links lead to, never a link.
    const QString target = FinalLinkTarget(path);
    const QFileInfo found(target);
    const bool existed = found.exists();
    if (existed && !found.isFile())
        return Failure{NotARegularFileReason()};
    const qint64 before = existed ? found.size() : 0;
    // Before the disk changes at all: opening may make the file.
    if (beforeWriting) {
        if (const Result<> ready = beforeWriting({target, before, existed}); ready.failed())
            return ready;
    }
    QFile file;
    if (Result<> opened = OpenRegularFile(file, target, FileUse::Appending); opened.failed())
        return opened;
    const auto undo = [&](const QString& reason) -> Result<> {
        // Undone as far as the system lets it; the failure reported is the one that counts.
        (void)file.resize(before);
        (void)SyncFileData(file);
        file.close();
        if (!existed)
            (void)RemoveFileDurably(target);
        return Failure{reason};
    };
    qint64 written = 0;
    while (written < bytes.size()) {
        // A disk that fills up part-way takes some bytes and then refuses the rest; asking again
        // for the rest brings the system's reason.
        const qint64 taken = file.write(bytes.constData() + written, bytes.size() - written);
        if (taken <= 0)
            break;
        written += taken;
    }
    if (written != bytes.size())
        return undo(file.errorString());
    if (const Result<> synced = SyncFileData(file); synced.failed())
        return undo(synced.reason());
    // A file this call made lasts only with its name.
    if (!existed) {
        if (const Result<> named = SyncFolder(found.absolutePath()); named.failed())
            return undo(named.reason());
    }
    file.close();
    return {};
}

QString PendingReplacementPath(const QString& target) {
    return target + QStringLiteral("-new");
}

PendingReplacement::PendingReplacement(const QString& path)
    : target_(FinalLinkTarget(path))
    , pending_(PendingReplacementPath(target_)) {}

PendingReplacement::~PendingReplacement() {
    // Gone for good, so that no later start takes it for a replacement cut short.
    if (written_)
        (void)RemoveFileDurably(pending_);
}

Result<> PendingReplacement::write(const QByteArray& bytes) {
    // A pipe or a device in its place is left alone, not replaced by a file.
    const QFileInfo target(target_);
    if (target.exists() && !target.isFile())
        return Failure{NotARegularFileReason()};
    if (const Result<> written = WriteFileDurably(pending_, bytes, target_); written.failed())
        return written;
    written_ = true;
    return SyncFolder(QFileInfo(pending_).absolutePath());
}

Result<> PendingReplacement::commit() {
    const Result<> replaced = ReplaceFileDurably(pending_, target_);
    inPlace_ = !QFileInfo::exists(pending_);
    if (!inPlace_)
        (void)RemoveFileDurably(pending_);
    written_ = false;
    return replaced;
}

} // namespace soranika
