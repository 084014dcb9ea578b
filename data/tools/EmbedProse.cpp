// embed-prose: turns data/prose.txt into a C++ source holding the sixty texts as UTF-16 literals.
//
// prose.txt is UTF-8. Blank lines and lines starting with "#" are comments; every other line is
//     <type number> = "<text>"
// with the numbers 1 to 60 each exactly once. The quotes make a trailing blank of a text visible
// and keep editors from trimming it. Anything else stops the build with the line that is wrong.

#include <array>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

constexpr int kTypeCount = 60;

struct ParseError {
    int line;
    std::string message;
};

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

std::array<std::string, kTypeCount> ReadProse(std::istream& in) {
    std::array<std::string, kTypeCount> texts;
    std::array<bool, kTypeCount> seen{};
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string trimmed = Trimmed(line);
        if (trimmed.empty() || trimmed.front() == '#')
            continue;

        const auto equals = line.find('=');
        if (equals == std::string::npos)
            throw ParseError{lineNumber, "expected <number> = \"<text>\""};
        const std::string number = Trimmed(line.substr(0, equals));
        if (number.empty() || number.size() > 2 ||
            number.find_first_not_of("0123456789") != std::string::npos)
            throw ParseError{lineNumber, "the type number must be 1 to 60"};
        const int typeIndex = std::stoi(number);
        if (typeIndex < 1 || typeIndex > kTypeCount)
            throw ParseError{lineNumber, "the type number must be 1 to 60"};
        if (seen[typeIndex - 1])
            throw ParseError{lineNumber, "type " + number + " appears twice"};

        const std::string quoted = Trimmed(line.substr(equals + 1));
        if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
            throw ParseError{lineNumber, "the text must stand between double quotes"};
        std::string text = quoted.substr(1, quoted.size() - 2);
        for (const unsigned char c : text) {
            if (c == '"' || c == '\\' || c < 0x20)
                throw ParseError{lineNumber,
                                 "the text holds a quote, backslash or control character"};
        }
        seen[typeIndex - 1] = true;
        texts[typeIndex - 1] = std::move(text);
    }
    for (int i = 0; i < kTypeCount; ++i) {
        if (!seen[i])
            throw ParseError{lineNumber, "type " + std::to_string(i + 1) + " has no text"};
    }
    return texts;
}

std::string TableSource(const std::array<std::string, kTypeCount>& texts) {
    std::ostringstream out;
    out << "// Written by embed-prose from prose.txt. Edit prose.txt, not this file.\n"
           "#include <array>\n#include <string_view>\n\n"
           "namespace soranika {\n\n"
           "extern const std::array<std::u16string_view, 60> kTypeProse;\n"
           "const std::array<std::u16string_view, 60> kTypeProse = {\n";
    for (int i = 0; i < kTypeCount; ++i)
        out << "    u\"" << texts[i] << "\", // " << (i + 1) << "\n";
    out << "};\n\n} // namespace soranika\n";
    return out.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: embed-prose PROSE_TXT OUTPUT_CPP\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot be opened\n";
        return 1;
    }
    std::string source;
    try {
        source = TableSource(ReadProse(in));
    } catch (const ParseError& e) {
        std::cerr << argv[1] << ":" << e.line << ": " << e.message << "\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << source;
    out.close();
    if (!out) {
        std::cerr << argv[2] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
