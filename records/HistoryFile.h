#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace soranika {

// Writes to the history file so that it is never left half written. Each returns nothing on
// success and the reason on failure.

// Appends the bytes at the end of the file, creating it when absent. The whole block is written
// or nothing: after a failure the file is cut back to its old length (or removed again when this
// call created it), byte for byte as it was. The file is never read.
std::optional<QString> AppendWhole(const QString& path, const QByteArray& bytes);

// Replaces the content of the file (created when absent) with the bytes, atomically: after a
// failure the old content stays.
std::optional<QString> ReplaceWhole(const QString& path, const QByteArray& bytes);

} // namespace soranika
