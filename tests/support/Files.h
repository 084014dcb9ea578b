#pragma once

// Whole files in and out, for tests that look at the bytes the program wrote or give it bytes to
// read.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

namespace soranika::testing {

// The bytes of the file, or none when it cannot be read.
inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes the file hold exactly `bytes`; fails the test where it cannot.
inline void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace soranika::testing
