#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace soranika {

// Code page 932 (Windows-31J, the Japanese ANSI code page), in which the program writes its
// history file and reads its help text, whatever the system's own encoding is.

// A character with no code page 932 form becomes "?". Line ends are left as they are.
QByteArray EncodeCp932(QStringView text);

// Bytes that are no code page 932 character become U+FFFD, one for each byte skipped.
QString DecodeCp932(QByteArrayView bytes);

} // namespace soranika
