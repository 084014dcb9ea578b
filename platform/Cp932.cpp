#include "Cp932.h"

namespace soranika {

namespace {

// The C library's name of the code page. glibc's "CP932" is Windows-31J with its extensions and
// best-fit mappings (U+301C WAVE DASH, typed by Linux input methods, becomes 81 60 like U+FF5E);
// "SHIFT_JIS" would not be. On Windows the name stands for the system's code page 932.
constexpr const char* kCodePage = "CP932";

} // namespace

QByteArray EncodeCp932(QStringView text) {
    return detail::EncodeCodePage(text, kCodePage);
}

QString DecodeCp932(QByteArrayView bytes) {
    return detail::DecodeCodePage(bytes, kCodePage);
}

} // namespace soranika
