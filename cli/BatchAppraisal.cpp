#include "BatchAppraisal.h"

#include "Appraisal.h"
#include "ReadingFormat.h"
#include "TypeTable.h"

#include <QString>

#include <algorithm>
#include <array>
#include <exception>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>

namespace soranika {

namespace {

// Reads take what the input's buffer holds (8 KiB for standard input), so more is rarely used.
constexpr std::size_t kChunkSize = 64 << 10;
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

QString ReasonOf(const std::exception& error) {
    if (const auto* systemError = dynamic_cast<const std::system_error*>(&error)) {
        const std::error_category& category = systemError->code().category();
        if (category == std::generic_category() || category == std::system_category())
            return QString::fromStdString(systemError->code().message());
    }
    return QString::fromUtf8(error.what());
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
    AppendUtf8(out, appraisal.Texts.BirthDateText);
    out += '\t';
    AppendUtf8(out, appraisal.Texts.MaskedBirthDate);
    out += '\t';
    if (!appraisal.Accepted) {
        out += "refused\n";
        return;
    }
    AppendNumber(out, appraisal.TypeIndex);
    out += '\t';
    AppendNumber(out, appraisal.DaysLived);
    out += '\t';
    AppendNumber(out, AgeInYears(appraisal.DaysLived));
    out += '\t';
    AppendUtf8(out, TypeTable::Title(appraisal.TypeIndex));
    out += '\n';
}

} // namespace

Result<> RunBatch(std::istream& in, std::ostream& out, QDate today) {
    std::optional<Failure> inputFailure;
    bool outputFailed = false;
    std::string pending;   // the start of a line whose end is in a later chunk
    bool overlong = false; // the pending line passed kMaxLineLength and is being skipped
    std::string output;    // not reserved: a short input should not pay for a megabyte
    std::string chunk(kChunkSize, '\0');

    const auto flush = [&] {
        out.write(output.data(), static_cast<std::streamsize>(output.size()));
        output.clear();
        if (!out)
            outputFailed = true;
    };
    const auto finishLine = [&](std::string_view line) {
        if (overlong)
            output += "error\tline longer than 16 MiB\n";
        else
            AppraiseLine(line, output, today);
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

    std::streambuf* const source = in.rdbuf();
    if (source == nullptr || in.bad())
        return Failure{QStringLiteral("入力ストリームが使えない状態です")};
    while (!outputFailed) {
        std::streamsize got = 0;
        try {
            using Traits = std::streambuf::traits_type;
            if (Traits::eq_int_type(source->sgetc(), Traits::eof()))
                break;
            // Only what the buffer already holds: a longer read would lose the bytes it had got
            // when a later read fails, and would wait on a pipe for more than the writer has sent.
            const std::streamsize wanted = std::clamp<std::streamsize>(
                source->in_avail(), 1, static_cast<std::streamsize>(kChunkSize));
            got = source->sgetn(chunk.data(), wanted);
        } catch (const std::exception& error) {
            // libstdc++'s file buffer throws on a read error, with errno in the code.
            inputFailure = Failure{ReasonOf(error)};
            break;
        }
        if (got <= 0)
            break;
        const std::string_view data(chunk.data(), static_cast<std::size_t>(got));
        std::size_t start = 0;
        for (std::size_t newline = data.find('\n');
             newline != std::string_view::npos && !outputFailed; newline = data.find('\n', start)) {
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
    if (outputFailed)
        return {};
    // The end of the input ends a last line without LF; a read error only cuts one off.
    if (!inputFailure && (!pending.empty() || overlong))
        finishLine(pending);
    flush();
    if (inputFailure)
        return *inputFailure;
    return {};
}

} // namespace soranika
