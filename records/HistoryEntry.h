#pragma once

#include "Reading.h"

#include <QByteArray>
#include <QStringList>

namespace soranika {

// The history file "SanRireki.txt": a block of lines for each Record, written for people to read
// and never read back by the program.
inline const QString HistoryFileName = QStringLiteral("SanRireki.txt");

// The type text is written in pieces of this many characters (UTF-16 code units), one per line.
inline constexpr qsizetype HistoryPieceLength = 40;

// Cuts a type text into pieces of 40 characters; a length that is a multiple of 40 leaves no
// empty last piece. The two carriage returns that lead every type text count like any other
// characters.
QStringList CutIntoPieces(const QString& typeText);

// The lines of one entry, without line ends: heading, date of recording, name, birth date, days
// lived, age, memo, the type's heading and title, an empty line, the type text in pieces, an
// empty line and a rule of 79 hyphens. It always holds the full birth date, days and age.
QStringList HistoryEntryLines(const Reading& reading, const QString& name, const QString& memo,
                              const QString& recordedAt);

// The entry as it goes into the file: code page 932, every line ended by CR LF.
QByteArray EncodeHistoryEntry(const QStringList& lines);

} // namespace soranika
