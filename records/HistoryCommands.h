#pragma once

#include "Reading.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace soranika {

struct Platform;

// The two status labels of the main window after a command that changes the history.
struct StatusTexts {
    QString dateLabel;  // the main window's Label8
    QString countLabel; // the main window's Label9
};

// Record ("記　録"): appends the reading with the name and memo to the history file, then counts
// it in "Rireki" and stores the time in "Time". Returns the new status texts. When the file
// cannot be written the user is told which file and why, and nothing else changes: returns
// nothing. The caller has checked that a reading is present.
std::optional<StatusTexts> RecordReading(const Reading& reading, const QString& name,
                                         const QString& memo, Platform& platform, QWidget* parent);

// "履歴表示": opens the history file in the system's text editor, without waiting. Tells the user
// when no editor could be started.
void ViewHistory(Platform& platform, QWidget* parent);

// "履歴クリア": after the user's OK, empties the history file to one empty line, stores "" in
// "Rireki" and "Time", hands the reset status texts to `showStatus` and says that it is done.
// When the user does not answer OK, or the file cannot be written (the user is told which file
// and why), nothing changes.
void ClearHistory(Platform& platform, QWidget* parent,
                  const std::function<void(const StatusTexts&)>& showStatus);

// The count the next Record starts from: "" or "NEW" is 0, and so is a text that is not a whole
// number (only possible after the store was edited by hand).
qint64 StoredRecordCount(const QString& text);

} // namespace soranika
