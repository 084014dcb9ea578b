// Decodes arbitrary bytes as code page 932 and encodes arbitrary UTF-16 (lone surrogates too), as
// the history file and the help text are read and written, and checks what must hold for any
// input: nothing crashes, decoding gives well-formed text no longer than the bytes, and encoding
// gives each code point one character of its own, which decodes back without loss of count.

#include "Cp932.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace soranika;

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

bool HasLoneSurrogate(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

void CheckEncoding(QStringView text) {
    // A lone surrogate counts as one code point, as it becomes one "?".
    const qsizetype codePoints = text.toUcs4().size();
    const QByteArray encoded = EncodeCp932(text);
    Require(encoded.size() >= codePoints && encoded.size() <= 2 * codePoints);

    // Every character the encoder writes is whole and valid, so decoding finds neither a broken
    // sequence nor a seam in the wrong place.
    const QString decoded = DecodeCp932(encoded);
    Require(decoded.toUcs4().size() == codePoints);
    Require(!decoded.contains(QChar::ReplacementCharacter));
    Require(!HasLoneSurrogate(decoded));
    // Best-fit mappings (WAVE DASH to FULLWIDTH TILDE and the like) change the text once; after
    // that a round trip changes nothing.
    Require(EncodeCp932(decoded) == encoded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));

    // Each byte is part of one character or becomes one U+FFFD; no code page 932 character lies
    // outside the Basic Multilingual Plane.
    const QString decoded = DecodeCp932(bytes);
    Require(decoded.size() <= bytes.size());
    Require(!HasLoneSurrogate(decoded));
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; }))
        Require(decoded == QString::fromLatin1(bytes));
    CheckEncoding(decoded);

    // The same bytes as raw UTF-16, copied out because the fuzzer's data need not be aligned.
    QString utf16(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(utf16.data(), data, size / 2 * 2);
    CheckEncoding(utf16);
    return 0;
}
