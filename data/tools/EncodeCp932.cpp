// encode-cp932: writes a UTF-8 text file in code page 932 with CR LF line ends, as the program
// reads its help text. A character with no code page 932 form stops the build instead of
// turning into "?".

#include "Cp932.h"

#include <QFile>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: encode-cp932 INPUT_UTF8 OUTPUT\n");
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(input.errorString()));
        return 1;
    }
    QString text = QString::fromUtf8(input.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\n', QStringLiteral("\r\n"));
    const QByteArray encoded = soranika::EncodeCp932(text);
    // "?" (3F) is never the second byte of a double-byte character, so counting it is exact.
    if (encoded.count('?') != text.count(u'?')) {
        std::fprintf(stderr, "%s: holds characters that code page 932 cannot write\n", argv[1]);
        return 1;
    }
    QFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        output.write(encoded) != encoded.size()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
