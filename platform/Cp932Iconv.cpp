// Code page 932 through the C library's iconv, as on Linux.

#include "Cp932.h"

#include <QList>

#include <cerrno>
#include <iconv.h>

namespace soranika {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from)
        : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid())
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of the inLeft bytes at in as fits into the outLeft bytes at out; returns
    // the iconv result, moves both pointers past what was used and lowers both counts by it.
    std::size_t convert(char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) {
        return iconv(handle_, &in, &inLeft, &out, &outLeft);
    }
    void reset() {
        // POSIX leaves iconv undefined for a descriptor that iconv_open refused.
        if (valid())
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    }

private:
    iconv_t handle_;
};

} // namespace

namespace detail {

QByteArray EncodeCodePage(QStringView text, const char* codePage) {
    Converter converter(codePage, "UTF-32LE");
    QByteArray encoded;
    encoded.reserve(text.size() * 2);
    const QList<uint> codePoints = text.toUcs4();
    for (const uint codePoint : codePoints) {
        // One code point at a time, so that each unmappable one becomes exactly one "?".
        if (codePoint < 0x80) {
            encoded.append(static_cast<char>(codePoint));
            continue;
        }
        char in[4] = {static_cast<char>(codePoint & 0xFF),
                      static_cast<char>((codePoint >> 8) & 0xFF),
                      static_cast<char>((codePoint >> 16) & 0xFF),
                      static_cast<char>((codePoint >> 24) & 0xFF)};
        char out[8];
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = sizeof in;
        std::size_t outLeft = sizeof out;
        if (converter.valid() &&
            converter.convert(inPtr, inLeft, outPtr, outLeft) != std::size_t(-1)) {
            encoded.append(out, outPtr - out);
        } else {
            converter.reset();
            encoded.append('?');
        }
    }
    return encoded;
}

QString DecodeCodePage(QByteArrayView bytes, const char* codePage) {
    Converter converter("UTF-16LE", codePage);
    if (!converter.valid())
        return QString::fromLatin1(bytes);
    QString decoded;
    decoded.reserve(bytes.size());
    QByteArray chunk(4096, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = static_cast<std::size_t>(bytes.size());
    while (inLeft > 0) {
        char* out = chunk.data();
        std::size_t outLeft = static_cast<std::size_t>(chunk.size());
        const std::size_t result = converter.convert(in, inLeft, out, outLeft);
        decoded.append(reinterpret_cast<const QChar*>(chunk.constData()), (out - chunk.data()) / 2);
        if (result == std::size_t(-1) && errno != E2BIG) {
            // An invalid or cut-off sequence: mark it and go on after its first byte.
            decoded.append(QChar::ReplacementCharacter);
            ++in;
            --inLeft;
            converter.reset();
        }
    }
    return decoded;
}

} // namespace detail

} // namespace soranika
