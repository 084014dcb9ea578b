#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace soranika {

class SettingsStore;

// How Record and 履歴クリア survive a power cut. Each changes the history file and then the two
// settings "Rireki" and "Time"; the settings are the moment of decision, and until then the
// change can be undone. Beside the file the history links lead to, each leaves a file that says
// what it is doing, synced before the history is touched:
//
//   Record      SanRireki.txt-journal: the history's length before the entry and the count the
//               Record is about to store. Then the entry is appended and synced, then the count
//               and the time are stored in one replacement, then the journal goes.
//   履歴クリア  SanRireki.txt-new: the emptied history (CR LF). Then "Rireki" and "Time" are
//               emptied in one replacement, then the file is renamed over the history and the
//               folder synced.
//
// At the next start, FinishInterruptedHistoryChange reads what a cut left: a journal whose count
// is not the stored one is a Record that did not finish, and its entry goes again (the file is
// cut back to its old length, or removed when the Record made it); a journal whose count was
// stored is a finished Record, and only the journal goes. An emptied file beside cleared
// settings is a clear that did not finish, and it is finished; beside a count it was not yet
// decided, and the emptied file goes. So after any cut the history and the count agree.

// What 履歴クリア leaves in the history file: one empty line.
inline const QByteArray EmptiedHistory = QByteArrayLiteral("\r\n");

// What a Record notes before it appends.
struct RecordJournal {
    qint64 lengthBefore = 0; // of the history file
    bool existed = false;    // whether the history file was there
    QString count;           // the count the Record stores once the entry is in
};

QByteArray EncodeRecordJournal(const RecordJournal& journal);
// Nothing for bytes that are not a whole journal (a cut while it was written).
std::optional<RecordJournal> DecodeRecordJournal(const QByteArray& bytes);

// The journal of a Record on the history file `target` (the file the links lead to).
QString RecordJournalPath(const QString& target);

// Writes the journal and syncs it and its folder, before the first byte of the entry.
Result<> WriteRecordJournal(const QString& target, const RecordJournal& journal);

// At start-up, before anything reads the settings: finishes or undoes the Record or the
// 履歴クリア that a cut (or a killed program) left behind on the history at `historyPath`, as
// described above. What cannot be done now is left for the next start.
void FinishInterruptedHistoryChange(const QString& historyPath, const SettingsStore& store);

} // namespace soranika
