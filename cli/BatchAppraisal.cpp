#include "BatchAppraisal.h"

#include "Appraisal.h"
#include "ReadingFormat.h"
#include "TypeTable.h"

#include <QString>

#include <array>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace soranika {

namespace {

constexpr std::size_t kChunkSize = 1 << 20;
constexpr std::size_t kFlushThreshold = 1 << 20;
constexpr qsizetype kFieldCount = 4;
// A longer line is not read into memory: it is answered with an error and skipped.
constexpr std::size_t kMaxLineLength = 16 << 20;

// UTF-16 to UTF-8 straight into the output buffer; a lone surrogate becomes U+FFFD.
void AppendUtf8(std::string& out, QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(static_cast<char16_t>(c), text[++i].unicode());
        } else if (QChar::isSurrogate(c)) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}

void AppendNumber(std::string& out, qint64 value) {
    out += std::to_string(value);
}

void AppraiseLine(std::string_view line, std::string& out, QDate today) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));

    std::array<QStringView, kFieldCount> fields;
    qsizetype fieldCount = 0;
    qsizetype start = 0;
    while (true) {
        const qsizetype tab = text.indexOf(u'\t', start);
        const qsizetype end = tab < 0 ? text.size() : tab;
        if (fieldCount < kFieldCount)
            fields[fieldCount] = QStringView(text).sliced(start, end - start);
        ++fieldCount;
        if (tab < 0)
            break;
        start = tab + 1;
    }
    if (fieldCount != kFieldCount) {
        out += "error\texpected 4 tab-separated fields, got ";
        AppendNumber(out, fieldCount);
        out += '\n';
        return;
    }

    const Appraisal appraisal =
        AppraiseBirthDate(fields[0], fields[1], fields[2], fields[3], today);
    AppendUtf8(out, appraisal.texts.birthDateText);
    out += '\t';
    AppendUtf8(out, appraisal.texts.maskedBirthDate);
    out += '\t';
    if (!appraisal.accepted) {
        out += "refused\n";
        return;
    }
    AppendNumber(out, appraisal.typeIndex);
    out += '\t';
    AppendNumber(out, appraisal.daysLived);
    out += '\t';
    AppendNumber(out, AgeInYears(appraisal.daysLived));
    out += '\t';
    AppendUtf8(out, TypeTable::Title(appraisal.typeIndex));
    out += '\n';
}

} // namespace

qint64 RunBatch(std::istream& in, std::ostream& out, QDate today) {
    qint64 lines = 0;
    std::string pending;   // the start of a line whose end is in a later chunk
    bool overlong = false; // the pending line passed kMaxLineLength and is being skipped
    std::string output;
    output.reserve(kFlushThreshold + 4096);
    std::string chunk(kChunkSize, '\0');

    const auto flush = [&] {
        out.write(output.data(), static_cast<std::streamsize>(output.size()));
        output.clear();
    };
    const auto finishLine = [&](std::string_view line) {
        if (overlong)
            output += "error\tline longer than 16 MiB\n";
        else
            AppraiseLine(line, output, today);
        ++lines;
        pending.clear();
        overlong = false;
        if (output.size() >= kFlushThreshold)
            flush();
    };
    const auto keepPending = [&](std::string_view piece) {
        if (overlong || pending.size() + piece.size() > kMaxLineLength) {
            overlong = true;
            pending.clear();
        } else {
            pending += piece;
        }
    };

    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const std::string_view data(chunk.data(), static_cast<std::size_t>(in.gcount()));
        std::size_t start = 0;
        for (std::size_t newline = data.find('\n'); newline != std::string_view::npos;
             newline = data.find('\n', start)) {
            const std::string_view piece = data.substr(start, newline - start);
            if (pending.empty() && !overlong) {
                finishLine(piece);
            } else {
                keepPending(piece);
                finishLine(pending);
            }
            start = newline + 1;
        }
        keepPending(data.substr(start));
    }
    if (!pending.empty() || overlong)
        finishLine(pending);
    flush();
    out.flush();
    return lines;
}

} // namespace soranika
