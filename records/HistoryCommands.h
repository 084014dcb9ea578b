#pragma once

#include "Reading.h"
#include "StatusTexts.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace soranika {

struct Platform;

// Record ("記　録"): appends the reading with the name and memo to the history file, then counts
// it in "Rireki" and stores the time in "Time". Returns the new status texts. When the file
// cannot be written the user is told which file and why, and nothing else changes: returns
// nothing. When the entry is written but the settings cannot be, the user is told that too; the
// entry stays, the settings keep their earlier values and nothing is returned. The caller has
// checked that a reading is present.
std::optional<StatusTexts> RecordReading(const Reading& reading, const QString& name,
                                         const QString& memo, Platform& platform, QWidget* parent);

// "履歴表示": opens the history file in the system's text editor, without waiting. Tells the user
// when no editor could be started.
void OpenHistoryInTextEditor(Platform& platform, QWidget* parent);

// "履歴クリア": after the user's OK, empties the history file to one empty line, stores "" in
// "Rireki" and "Time", hands the reset status texts to `showStatus` and says that it is done.
// All of it or nothing: when the user does not answer OK, or the file or the settings cannot be
// written (the user is told which and why), the file, the settings and the labels stay as they
// were.
void ClearHistory(Platform& platform, QWidget* parent,
                  const std::function<void(const StatusTexts&)>& showStatus);

// The count after one more Record, in decimal digits, from the stored count: "" or "NEW" is 0,
// and so is a text that is not a whole number (only possible after the store was edited by
// hand). A whole number of any length counts on exactly, without wrapping: "99" gives "100".
QString NextRecordCount(const QString& stored);

} // namespace soranika
