#pragma once

#include "Result.h"

#include <QString>

namespace soranika {

// The history file as the history window shows it.
struct HistoryText {
    QString text = {};      // each line end of the file (CR LF, CR or LF) as one "\n"
    bool missing = false;   // there is no history file: nothing has been recorded yet
    bool shortened = false; // the file is larger than what is shown: only its newest lines are
    qint64 fileSize = 0;    // bytes, as the file was when it was read
    qint64 shownSize = 0;   // bytes of the file that the text shows, its last ones
};

// A few thousand entries. A larger history (some grow to gigabytes) is shown by its newest
// part: the whole would take that much memory twice over and leave the window unanswering while
// it lays the text out.
inline constexpr qint64 LargestHistoryShown = 4 << 20;

// Reads the history file afresh for showing, decoded from code page 932. Of a file larger than
// `largestShown` bytes only its last `largestShown` bytes are shown, from the first line that
// begins within them. Only a regular file is read (a pipe, a device or a folder in its place
// fails, and is never waited on); a file that is not there is no failure but `missing`.
Result<HistoryText> ReadHistoryForDisplay(const QString& path,
                                          qint64 largestShown = LargestHistoryShown);

} // namespace soranika
