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

namespace detail {

// The two converters above for the C library's name of a code page, so that a test can name one
// the library lacks. Without the code page, encoding still writes ASCII as it is and each other
// character as one "?", and decoding reads each byte as the character of the same number
// (ISO 8859-1): ASCII comes out right and no byte is lost or merged with its neighbour.
QByteArray EncodeCodePage(QStringView text, const char* codePage);
QString DecodeCodePage(QByteArrayView bytes, const char* codePage);

} // namespace detail

} // namespace soranika
