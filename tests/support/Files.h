#pragma once

// Whole files in and out, for tests that look at the bytes the program wrote or give it bytes to
// read.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

namespace soranika::testing {

// The bytes of the file, or none when it cannot be read.
[[nodiscard]] inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes the file hold exactly `bytes`; false, with the reason in the test's log, where it cannot.
// A check inside a helper would only end the helper, and the test would go on with the old bytes.
[[nodiscard]] inline bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(bytes) == bytes.size() && file.flush())
        return true;
    qWarning("cannot write %s: %s", qPrintable(path), qPrintable(file.errorString()));
    return false;
}

} // namespace soranika::testing
