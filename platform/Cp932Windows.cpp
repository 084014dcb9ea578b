// Code page 932 through Windows' own converters, giving the bytes the Linux build gives.

#include "Cp932.h"
#include "WindowsApi.h"

#include <QList>

#include <cstring>

namespace soranika {

namespace {

constexpr UINT kWindowsCodePage = 932;

// The code page a name stands for, or 0 when the system has none by that name.
UINT CodePageNamed(const char* name) {
    return std::strcmp(name, "CP932") == 0 && IsValidCodePage(kWindowsCodePage) ? kWindowsCodePage
                                                                                : 0;
}

// Characters that Linux input methods type where Windows has their full-width forms; glibc's
// converter writes them as those, Windows' would write "?".
char32_t AsWindowsTypesIt(char32_t codePoint) {
    switch (codePoint) {
    case 0x301C: // WAVE DASH
        return 0xFF5E;
    case 0x2212: // MINUS SIGN
        return 0xFF0D;
    case 0x00A5: // YEN SIGN, which code page 932 writes as 5C
        return 0x005C;
    default:
        return codePoint;
    }
}

} // namespace

namespace detail {

QByteArray EncodeCodePage(QStringView text, const char* codePage) {
    const UINT page = CodePageNamed(codePage);
    QByteArray encoded;
    encoded.reserve(text.size() * 2);
    for (const uint each : text.toUcs4()) {
        // One code point at a time, so that each unmappable one becomes exactly one "?".
        const char32_t codePoint = AsWindowsTypesIt(each);
        if (codePoint < 0x80) {
            encoded.append(static_cast<char>(codePoint));
            continue;
        }
        wchar_t in[2];
        int inLength = 1;
        if (codePoint > 0xFFFF) {
            in[0] = static_cast<wchar_t>(0xD800 + ((codePoint - 0x10000) >> 10));
            in[1] = static_cast<wchar_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
            inLength = 2;
        } else {
            in[0] = static_cast<wchar_t>(codePoint);
        }
        char out[8];
        BOOL usedDefault = FALSE;
        const int written = page == 0
                                ? 0
                                : WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, in, inLength, out,
                                                      sizeof out, nullptr, &usedDefault);
        if (written > 0 && !usedDefault)
            encoded.append(out, written);
        else
            encoded.append('?');
    }
    return encoded;
}

QString DecodeCodePage(QByteArrayView bytes, const char* codePage) {
    const UINT page = CodePageNamed(codePage);
    if (page == 0)
        return QString::fromLatin1(bytes);
    QString decoded;
    decoded.reserve(bytes.size());
    qsizetype at = 0;
    while (at < bytes.size()) {
        // One character at a time: a byte that starts none becomes U+FFFD and the next byte is
        // read afresh, as the Linux build does.
        const auto lead = static_cast<BYTE>(bytes[at]);
        const int length = IsDBCSLeadByteEx(page, lead) && at + 1 < bytes.size() ? 2 : 1;
        wchar_t out[2];
        const int written =
            MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data() + at, length, out, 2);
        // Windows reads the single bytes 80, A0 and FD to FF as characters of its own, which
        // code page 932 does not have; the Linux build takes them as no character.
        const bool strayByte = length == 1 && lead >= 0x80 && (lead < 0xA1 || lead > 0xDF);
        if (written > 0 && !strayByte) {
            decoded.append(QStringView(reinterpret_cast<const char16_t*>(out), written));
            at += length;
        } else {
            decoded.append(QChar::ReplacementCharacter);
            ++at;
        }
    }
    return decoded;
}

} // namespace detail

} // namespace soranika
