#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace soranika {

// Writes to the history file so that it is never left half written. The history file may be a
// link (to a file, or to a file not made yet): the writing goes to the file the links lead to,
// and the links stay as they are. A failure carries the system's reason.

// Where an append begins: the file the links lead to, its length and whether it was there.
struct AppendStart {
    QString target;
    qint64 lengthBefore = 0;
    bool existed = false;
};

// Appends the bytes at the end of the file, creating it when absent, and syncs them (and the name
// of a file it made): when it returns, they last. The whole block is written or nothing: after a
// failure the file is cut back to its old length (or removed again when this call created it), byte
// for byte as it was. `beforeWriting` runs before the disk changes at all (opening may make the
// file); when it fails, nothing is done and its failure is the one returned. The file is never
// read.
Result<> AppendWhole(const QString& path, const QByteArray& bytes,
                     const std::function<Result<>(const AppendStart&)>& beforeWriting = {});

// New content for the file, written and synced beside it first (under PendingReplacementPath,
// where a start after a power cut finds it) and put in its place only by commit(), in one step
// that lasts: until then, and after any failure, the file is as it was. Dropped when not
// committed.
class PendingReplacement {
public:
    explicit PendingReplacement(const QString& path);
    ~PendingReplacement();
    PendingReplacement(const PendingReplacement&) = delete;
    PendingReplacement& operator=(const PendingReplacement&) = delete;

    Result<> write(const QByteArray& bytes);
    Result<> commit();
    // Whether the new content took the file's place, also when commit() failed afterwards (the
    // folder could not be synced).
    bool inPlace() const { return inPlace_; }

private:
    QString target_;
    QString pending_;
    bool written_ = false;
    bool inPlace_ = false;
};

// Where the new content of the file that `target` names waits until it is put in place.
QString PendingReplacementPath(const QString& target);

// The file that a chain of links ends at, also when that file does not exist yet; the path
// itself when it is no link.
QString FinalLinkTarget(const QString& path);

} // namespace soranika
