#include "HistoryCommands.h"

#include "Clock.h"
#include "Desktop.h"
#include "DurableFiles.h"
#include "HistoryEntry.h"
#include "HistoryFile.h"
#include "HistoryJournal.h"
#include "MessageBoxes.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "ProgramSettings.h"
#include "ReadingFormat.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace soranika {

namespace {

void WarnOfFile(Platform& platform, QWidget* parent, const QString& what, const QString& path,
                const QString& reason) {
    platform.messages.show(parent, ProblemMessage(what, QDir::toNativeSeparators(path), reason));
}

void WarnNotSaved(Platform& platform, QWidget* parent, const QString& what, const QString& reason) {
    platform.messages.show(parent,
                           ProgramSettings::NotSavedMessage(platform.settings, what, reason));
}

} // namespace

QString NextRecordCount(const QString& stored) {
    const bool wholeNumber =
        !ProgramSettings::IsUnset(stored) &&
        std::all_of(stored.cbegin(), stored.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!wholeNumber)
        return QStringLiteral("1");
    // Add one digit by digit, from the right, so that no length is too long.
    QString next = stored;
    qsizetype i = next.size() - 1;
    while (i >= 0 && next[i] == u'9')
        next[i--] = u'0';
    if (i >= 0)
        next[i] = QChar(next[i].unicode() + 1);
    else
        next.prepend(u'1');
    // Leading zeros of a hand-edited value are dropped, as the count is always stored.
    qsizetype firstDigit = 0;
    while (firstDigit + 1 < next.size() && next[firstDigit] == u'0')
        ++firstDigit;
    return next.mid(firstDigit);
}

std::optional<StatusTexts> RecordReading(const Reading& reading, const QString& name,
                                         const QString& memo, Platform& platform, QWidget* parent) {
    using namespace ProgramSettings;
    // As at start-up; the path below is a full one either way.
    (void)platform.folder.makeWorkingFolder();
    // One reading of the clock serves the file, the setting and the label alike.
    const QString now = GeneralDateTimeText(platform.clock.now());
    const QString path = platform.folder.historyFilePath(HistoryFileName);
    platform.folder.makeHistoryFolder(); // the first Record of a user of a system-wide install
    const QByteArray entry = EncodeHistoryEntry(HistoryEntryLines(reading, name, memo, now));
    const QString count = NextRecordCount(Read(platform.settings, RecordCountKey));

    // The journal goes first, so that a cut before the count is stored undoes the entry.
    QString journal;
    const auto noteFirst = [&](const AppendStart& start) {
        journal = RecordJournalPath(start.target);
        return WriteRecordJournal(start.target, {start.lengthBefore, start.existed, count});
    };
    if (const Result<> appended = AppendWhole(path, entry, noteFirst); appended.failed()) {
        if (!journal.isEmpty())
            (void)RemoveFileDurably(journal);
        WarnOfFile(platform, parent,
                   QStringLiteral("鑑定結果を履歴ファイルに記録できませんでした。"), path,
                   appended.reason());
        return std::nullopt;
    }

    const Result<> stored =
        WriteTogether(platform.settings, {{RecordCountKey, count}, {RecordTimeKey, now}});
    if (stored.failed()) {
        // The entry stays, as the user is told; the journal goes for good, lest a later start
        // take it for a Record cut short and undo the entry.
        (void)RemoveFileDurably(journal);
        WarnNotSaved(platform, parent,
                     QStringLiteral("鑑定結果は履歴ファイルに記録しましたが、"
                                    "記録件数と日時を保存できませんでした。"),
                     stored.reason());
        return std::nullopt;
    }
    // Not synced: should a cut bring the journal back, the next start finds its count stored
    // and only removes it.
    (void)QFile::remove(journal);
    return StatusTexts::AfterRecord(now, count);
}

void OpenHistoryInTextEditor(Platform& platform, QWidget* parent) {
    const Result<> opened =
        platform.textViewer.openTextFile(platform.folder.historyFolder(), HistoryFileName);
    if (!opened.failed())
        return;
    WarnOfFile(platform, parent,
               QStringLiteral("履歴ファイルを開くテキストエディタを起動できませんでした。"),
               platform.folder.historyFilePath(HistoryFileName), opened.reason());
}

void ClearHistory(Platform& platform, QWidget* parent,
                  const std::function<void(const StatusTexts&)>& showStatus) {
    using namespace ProgramSettings;
    const Message confirmation{
        .text = QStringLiteral(
            "過去の鑑定した履歴をすべて削除します。\r\n　　　削除してもよろしいですか？"),
        .title = QStringLiteral("　　　　　　　　　過去の履歴削除確認！！"),
        .buttons = Message::Buttons::OkCancel,
        .icon = Message::Icon::Warning};
    if (platform.messages.show(parent, confirmation) != MessageAnswer::Ok)
        return;

    // The emptied file waits beside the history until the settings are cleared too; a failure
    // of either leaves both as they were, and a cut in between is finished or undone by the next
    // start (HistoryJournal.h).
    const QString path = platform.folder.historyFilePath(HistoryFileName);
    platform.folder.makeHistoryFolder();
    const QString fileFailure = QStringLiteral("履歴ファイルを削除できませんでした。");
    PendingReplacement emptied(path);
    if (const Result<> written = emptied.write(EmptiedHistory); written.failed()) {
        WarnOfFile(platform, parent, fileFailure, path, written.reason());
        return;
    }
    const QString countBefore = Read(platform.settings, RecordCountKey);
    const QString timeBefore = Read(platform.settings, RecordTimeKey);
    if (const Result<> cleared =
            WriteTogether(platform.settings, {{RecordCountKey, {}}, {RecordTimeKey, {}}});
        cleared.failed()) {
        WarnNotSaved(platform, parent,
                     QStringLiteral("履歴を削除できませんでした。記録件数と日時を保存できません。"),
                     cleared.reason());
        return;
    }
    if (const Result<> committed = emptied.commit(); committed.failed()) {
        if (emptied.inPlace()) {
            // Emptied, but its folder could not be synced: the history and the cleared settings
            // agree, and that is what the labels show.
            showStatus(StatusTexts::AfterClear());
        } else {
            const auto unset = [](const QString& text) {
                return IsUnset(text) ? QString() : text;
            };
            // The store took the cleared values a moment ago and takes the old ones back alike;
            // if it refuses now, the file's failure is still the one to report.
            (void)WriteTogether(platform.settings, {{RecordCountKey, unset(countBefore)},
                                                    {RecordTimeKey, unset(timeBefore)}});
        }
        WarnOfFile(platform, parent, fileFailure, path, committed.reason());
        return;
    }
    showStatus(StatusTexts::AfterClear());
    platform.messages.show(parent,
                           {.text = QStringLiteral("過去の鑑定した履歴をすべて削除しました。"),
                            .title = QStringLiteral("　　     　　　　　　鑑定履歴削除 "),
                            .icon = Message::Icon::Information});
}

} // namespace soranika
