#pragma once

#include "Result.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace soranika {

// Writes to the history file so that it is never left half written. The history file may be a
// link (to a file, or to a file not made yet): the writing goes to the file the links lead to,
// and the links stay as they are. A failure carries the system's reason.

// Appends the bytes at the end of the file, creating it when absent. The whole block is written
// or nothing: after a failure the file is cut back to its old length (or removed again when this
// call created it), byte for byte as it was. The file is never read.
Result<> AppendWhole(const QString& path, const QByteArray& bytes);

// New content for the file, written beside it first and put in its place only by commit(), in
// one step: until then, and after any failure, the file is as it was. Dropped when not
// committed.
class PendingReplacement {
public:
    explicit PendingReplacement(const QString& path);
    Result<> write(const QByteArray& bytes);
    Result<> commit();

private:
    QString path_;
    QSaveFile file_;
};

// The file that a chain of links ends at, also when that file does not exist yet; the path
// itself when it is no link.
QString FinalLinkTarget(const QString& path);

} // namespace soranika
