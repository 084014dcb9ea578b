#pragma once

#include <QStringView>

#include <array>
#include <optional>

namespace soranika {

// One era of the era box: the name the user picks, the letter that stands for it in a date
// text, and the Western year in which the era began (its year 1).
struct Era {
    QStringView name;
    QStringView prefix; // empty for the Western calendar
    int firstYear;      // 0 for the Western calendar
};

// Compared in this order; the first row is the Western calendar. 令和 follows the five eras the
// program was designed with, so that a person born since May 2019 is read in their own era.
inline constexpr std::array<Era, 6> EraTable{{
    {u"西暦", u"", 0},
    {u"明治", u"M", 1868},
    {u"大正", u"T", 1912},
    {u"昭和", u"S", 1926},
    {u"平成", u"H", 1989},
    {u"令和", u"R", 2019},
}};

// The date-text prefix for an era box text: "M", "T", "S", "H" or "R" for an exact era name, empty
// for "西暦" and for any other text, which counts as a Western year.
QStringView EraPrefix(QStringView eraText);

// The first Western year of the era whose letter starts a date text, if it is one.
std::optional<int> EraFirstYear(QChar letter);

} // namespace soranika
