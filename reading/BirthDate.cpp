#include "BirthDate.h"

#include "EraTable.h"

namespace soranika {

namespace {

// Any number above this is out of range anyway; stopping here keeps long digit runs from
// overflowing.
constexpr int kNumberCeiling = 1'000'000;

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Reads a run of ASCII digits at `pos`; nothing when there is none.
std::optional<int> ReadNumber(QStringView text, qsizetype& pos) {
    const qsizetype start = pos;
    int value = 0;
    while (pos < text.size() && IsAsciiDigit(text[pos])) {
        value = std::min(value * 10 + (text[pos].unicode() - u'0'), kNumberCeiling);
        ++pos;
    }
    if (pos == start)
        return std::nullopt;
    return value;
}

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\u3000';
}

} // namespace

BirthDateTexts MakeBirthDateText(QStringView eraText, QStringView yearText, QStringView monthText,
                                 QStringView dayText) {
    BirthDateTexts texts;
    texts.EraPrefix = EraPrefix(eraText).toString();
    texts.BirthDateText.reserve(texts.EraPrefix.size() + yearText.size() + monthText.size() +
                                dayText.size() + 2);
    texts.BirthDateText.append(texts.EraPrefix).append(yearText).append(u'/');
    texts.BirthDateText.append(monthText).append(u'/').append(dayText);
    texts.MaskedBirthDate.reserve(monthText.size() + dayText.size() + 6);
    texts.MaskedBirthDate.append(u"****/").append(monthText).append(u'/').append(dayText);
    return texts;
}

std::optional<QDate> ParseDateText(QStringView text) {
    qsizetype pos = 0;
    std::optional<int> eraFirstYear;
    if (!text.isEmpty() && !IsAsciiDigit(text.front())) {
        eraFirstYear = EraFirstYear(text.front());
        if (!eraFirstYear)
            return std::nullopt;
        pos = 1;
    }

    const auto year = ReadNumber(text, pos);
    if (!year || pos >= text.size() || text[pos++] != u'/')
        return std::nullopt;
    const auto month = ReadNumber(text, pos);
    if (!month || pos >= text.size() || text[pos++] != u'/')
        return std::nullopt;
    const auto day = ReadNumber(text, pos);
    if (!day || pos != text.size())
        return std::nullopt;

    const int westernYear = eraFirstYear ? *eraFirstYear + *year - 1 : *year;
    if (westernYear < FirstReadableYear || westernYear > LastReadableYear)
        return std::nullopt;
    // QDate follows the Gregorian calendar for every year, so 1900-02-29 does not exist.
    if (!QDate::isValid(westernYear, *month, *day))
        return std::nullopt;
    return QDate(westernYear, *month, *day);
}

double YearTextValue(QStringView yearText) {
    double value = 0;
    double fractionScale = 0.1;
    bool inFraction = false;
    bool negative = false;
    bool started = false; // a sign, digit or point has been read
    for (const QChar c : yearText) {
        if (IsBlank(c))
            continue;
        if (!started && (c == u'+' || c == u'-')) {
            negative = c == u'-';
        } else if (IsAsciiDigit(c)) {
            const int digit = c.unicode() - u'0';
            if (inFraction) {
                value += digit * fractionScale;
                fractionScale /= 10;
            } else {
                value = value * 10 + digit;
            }
        } else if (c == u'.' && !inFraction) {
            inFraction = true;
        } else {
            break;
        }
        started = true;
    }
    return negative ? -value : value;
}

std::optional<QDate> ValidateBirthDate(QStringView eraPrefix, QStringView yearText,
                                       QStringView birthDateText) {
    if (eraPrefix.isEmpty() && YearTextValue(yearText) < FirstReadableYear)
        return std::nullopt;
    const auto date = ParseDateText(birthDateText);
    if (!date || date->year() < FirstReadableYear || date->year() > LastReadableYear)
        return std::nullopt;
    return date;
}

} // namespace soranika
