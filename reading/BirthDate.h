#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace soranika {

// The one message for every refused birth date.
inline constexpr QStringView RefusalMessage =
    u"ただしい日付を入力して下さい。（西暦100年～9999年までの範囲）";

// Earliest and latest dates the program can read.
inline constexpr int FirstReadableYear = 100;
inline constexpr int LastReadableYear = 9999;

// The three texts built from the four date boxes.
struct BirthDateTexts {
    QString EraPrefix;       // "", "M", "T", "S", "H" or "R"
    QString BirthDateText;   // prefix + year + "/" + month + "/" + day, e.g. "S60/5/12"
    QString MaskedBirthDate; // "****/" + month + "/" + day, whatever the era and year
};

// Builds the texts from the boxes' texts exactly as they stand: nothing is trimmed or converted.
BirthDateTexts MakeBirthDateText(QStringView eraText, QStringView yearText, QStringView monthText,
                                 QStringView dayText);

// The one date reader: an optional upper-case era letter (M, T, S, H, R), then year "/" month "/"
// day in ASCII decimal digits (leading zeros allowed). An era year counts from the era's first
// year with plain arithmetic, also past the era's end. The date must exist in the Gregorian
// calendar and lie between 0100-01-01 and 9999-12-31; anything else is not a date.
std::optional<QDate> ParseDateText(QStringView text);

// The numeric value of the number at the start of a year text, as the Western-year floor reads
// it: blanks are skipped wherever they stand, reading stops at the first character that cannot
// continue the number, a fraction counts ("99.5" is 99.5) and a text that does not begin with a
// number is 0. Very long numbers saturate to infinity instead of overflowing.
double YearTextValue(QStringView yearText);

// The birth date of an entry, or nothing when the entry is refused: a Western year below 100, a
// text that is not a date, or a date outside 0100-01-01 .. 9999-12-31.
std::optional<QDate> ValidateBirthDate(QStringView eraPrefix, QStringView yearText,
                                       QStringView birthDateText);

} // namespace soranika
