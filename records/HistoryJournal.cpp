#include "HistoryJournal.h"

#include "DurableFiles.h"
#include "HistoryFile.h"
#include "ProgramSettings.h"
#include "RegularFile.h"
#include "SettingsStore.h"

#include <QFile>
#include <QFileInfo>

namespace soranika {

namespace {

const QByteArray JournalHeading = QByteArrayLiteral("soranika record journal 1");

// Cuts the history back to where the Record began, or removes the file it made.
Result<> UndoAppend(const QString& target, const RecordJournal& journal) {
    if (!QFileInfo(target).isFile())
        return {}; // nothing of the Record's is there
    if (QFileInfo(target).size() > journal.lengthBefore) {
        QFile file(target);
        if (!file.open(QIODevice::ReadWrite))
            return Failure{file.errorString()};
        if (!file.resize(journal.lengthBefore))
            return Failure{file.errorString()};
        if (const Result<> synced = SyncFileData(file); synced.failed())
            return synced;
    }
    if (!journal.existed && QFileInfo(target).size() == 0)
        return RemoveFileDurably(target);
    return {};
}

} // namespace

QByteArray EncodeRecordJournal(const RecordJournal& journal) {
    // ASCII only, so that it reads the same in any code page; the count is decimal digits.
    const QByteArray length =
        journal.existed ? QByteArray::number(journal.lengthBefore) : QByteArrayLiteral("none");
    return JournalHeading + "\r\nlength-before " + length + "\r\ncount " +
           journal.count.toLatin1() + "\r\nend\r\n";
}

std::optional<RecordJournal> DecodeRecordJournal(const QByteArray& bytes) {
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() != 5 || !lines[4].isEmpty())
        return std::nullopt;
    const auto field = [&](int line, const char* name) -> std::optional<QByteArray> {
        const QByteArray prefix = QByteArray(name) + ' ';
        if (!lines[line].startsWith(prefix) || !lines[line].endsWith('\r'))
            return std::nullopt;
        return lines[line].mid(prefix.size()).chopped(1);
    };
    const auto length = field(1, "length-before");
    const auto count = field(2, "count");
    if (lines[0] != JournalHeading + '\r' || lines[3] != "end\r" || !length || !count ||
        count->isEmpty())
        return std::nullopt;
    RecordJournal journal;
    journal.count = QString::fromLatin1(*count);
    journal.existed = *length != "none";
    if (journal.existed) {
        bool number = false;
        journal.lengthBefore = length->toLongLong(&number);
        if (!number || journal.lengthBefore < 0)
            return std::nullopt;
    }
    return journal;
}

QString RecordJournalPath(const QString& target) {
    return target + QStringLiteral("-journal");
}

Result<> WriteRecordJournal(const QString& target, const RecordJournal& journal) {
    const QString path = RecordJournalPath(target);
    if (const Result<> written = WriteFileDurably(path, EncodeRecordJournal(journal));
        written.failed())
        return written;
    // The journal's name, and a history file the Record has just made, beside it.
    if (const Result<> synced = SyncFolder(QFileInfo(path).absolutePath()); synced.failed()) {
        (void)RemoveFileDurably(path);
        return synced;
    }
    return {};
}

void FinishInterruptedHistoryChange(const QString& historyPath, const SettingsStore& store) {
    using namespace ProgramSettings;
    const QString target = FinalLinkTarget(historyPath);

    const QString journalPath = RecordJournalPath(target);
    if (QFileInfo::exists(journalPath)) {
        const Result<QByteArray> bytes = ReadRegularFile(journalPath, 4096);
        if (bytes.failed())
            return; // not the program's own file: left alone
        // A journal cut short was written before the first byte of its entry: nothing to undo.
        const std::optional<RecordJournal> journal = DecodeRecordJournal(bytes.value());
        if (journal && Read(store, RecordCountKey) != journal->count &&
            UndoAppend(target, *journal).failed())
            return;
        if (RemoveFileDurably(journalPath).failed())
            return;
    }

    const QString pending = PendingReplacementPath(target);
    if (QFileInfo::exists(pending)) {
        if (IsUnset(Read(store, RecordCountKey)) && IsUnset(Read(store, RecordTimeKey))) {
            // The clear was decided. Its emptied file may have been cut short: written again.
            if (WriteFileDurably(pending, EmptiedHistory, target).failed())
                return;
            (void)ReplaceFileDurably(pending, target);
        } else {
            (void)RemoveFileDurably(pending);
        }
    }
}

} // namespace soranika
