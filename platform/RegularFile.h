#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

class QFile;

namespace soranika {

// The files the program reads and writes beside itself are ordinary files. Anything else in
// their place (a named pipe, a device, a folder, a link to one of those) would make the program
// wait for a writer that never comes or read without end, so it is refused without waiting.

enum class FileUse {
    Reading,
    Appending, // at its end, the file made when absent
};

// Opens a regular file for reading or appending. Links are followed. After a failure `file`
// stays closed.
Result<> OpenRegularFile(QFile& file, const QString& path, FileUse use);

// The whole content of a regular file of at most `largestSize` bytes.
Result<QByteArray> ReadRegularFile(const QString& path, qint64 largestSize);

// The reason for a file that is there but is no regular file.
QString NotARegularFileReason();

} // namespace soranika
