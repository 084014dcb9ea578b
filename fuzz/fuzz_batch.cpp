// Feeds arbitrary bytes to the batch form as its standard input and checks what must hold for any
// input: nothing crashes, every line gets exactly one answer and in its order, the answers are
// valid UTF-8 and each is an accepted, refused or error line of the documented form, and they do
// not depend on how the input arrives (a pipe hands it over in pieces of any size).

#include "BatchAppraisal.h"
#include "TypeTable.h"

#include <QByteArray>
#include <QDate>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

using namespace soranika;

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// Hands the input over a few bytes at a time, as a slow pipe does.
class PieceInput : public std::streambuf {
public:
    PieceInput(std::string_view data, std::size_t piece)
        : data_(data)
        , piece_(piece) {}

protected:
    int_type underflow() override {
        if (position_ >= data_.size())
            return traits_type::eof();
        const std::size_t size = std::min(piece_, data_.size() - position_);
        char* const start = const_cast<char*>(data_.data()) + position_;
        setg(start, start, start + size);
        position_ += size;
        return traits_type::to_int_type(*start);
    }

private:
    std::string_view data_;
    std::size_t piece_;
    std::size_t position_ = 0;
};

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t end = text.find(separator); end != std::string_view::npos;
         end = text.find(separator, start)) {
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// Strict UTF-8: shortest forms only, no surrogates, nothing past U+10FFFF.
bool IsUtf8(std::string_view text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    while (p < end) {
        const unsigned char lead = *p++;
        if (lead < 0x80)
            continue;
        // The bits the lead byte gives, how many bytes follow and the least code point they may
        // carry.
        int length = 0;
        char32_t c = 0;
        char32_t least = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 1;
            c = lead & 0x1F;
            least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 2;
            c = lead & 0x0F;
            least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 3;
            c = lead & 0x07;
            least = 0x10000;
        } else {
            return false;
        }
        if (end - p < length)
            return false;
        for (int i = 0; i < length; ++i, ++p) {
            if ((*p & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (*p & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
    }
    return true;
}

bool IsInteger(std::string_view text) {
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    return !text.empty() && text.size() <= 19 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The answer to one input line. Only the number of fields of the line decides between an error
// and an appraisal; the appraisal itself is the date reader's, fuzzed on its own.
void CheckAnswer(std::string_view line, std::string_view answer) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const auto fieldCount = std::count(line.begin(), line.end(), '\t') + 1;
    const std::vector<std::string_view> fields = Split(answer, '\t');
    if (fieldCount != 4) {
        Require(fields.size() == 2 && fields[0] == "error");
        Require(fields[1] == "expected 4 tab-separated fields, got " + std::to_string(fieldCount));
        return;
    }
    // BirthDateText always holds the slashes between year, month and day, so it is never "error".
    Require(fields.size() == 3 || fields.size() == 6);
    Require(fields[0].find('/') != std::string_view::npos);
    Require(fields[1].substr(0, 5) == "****/");
    if (fields.size() == 3) {
        Require(fields[2] == "refused");
        return;
    }
    Require(IsInteger(fields[2]) && IsInteger(fields[3]) && IsInteger(fields[4]));
    const int type = std::atoi(std::string(fields[2]).c_str());
    Require(type >= 1 && type <= 60);
    Require(fields[5] == TypeTable::Title(type).toUtf8().toStdString());
}

std::string RunOver(std::streambuf& source) {
    std::istream in(&source);
    std::ostringstream out;
    Require(!RunBatch(in, out, QDate(2026, 12, 7)).failed() && out.good());
    return out.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte chooses the size of the pieces the input comes in; the rest is the input.
    if (size == 0)
        return 0;
    const std::size_t piece = std::size_t(data[0]) + 1;
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);

    std::stringbuf whole{std::string(input)};
    const std::string output = RunOver(whole);
    PieceInput pieces(input, piece);
    Require(RunOver(pieces) == output);

    // A line ends at LF; a last line without one still counts, an empty end does not.
    std::vector<std::string_view> inputLines = Split(input, '\n');
    if (inputLines.back().empty())
        inputLines.pop_back();
    // One answer a line, each ending in LF.
    Require(std::count(output.begin(), output.end(), '\n') ==
            static_cast<std::ptrdiff_t>(inputLines.size()));
    Require(output.empty() || output.back() == '\n');
    Require(IsUtf8(output));
    if (output.empty()) {
        Require(inputLines.empty());
        return 0;
    }
    const std::vector<std::string_view> answers =
        Split(std::string_view(output).substr(0, output.size() - 1), '\n');
    Require(answers.size() == inputLines.size());
    for (std::size_t i = 0; i < answers.size(); ++i)
        CheckAnswer(inputLines[i], answers[i]);
    return 0;
}
