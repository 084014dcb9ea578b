#pragma once

#include <QDateTime>
#include <QString>

namespace soranika {

// Age in whole years: the largest whole number not greater than days / 365, 365 days to every
// year (so -1 day is age -1).
qint64 AgeInYears(qint64 daysLived);

// A whole number in the format "##,##0": commas between groups of three digits, at least one
// digit, a leading "-" when negative ("0", "365", "12,345", "-1,234").
QString FormatGroupedNumber(qint64 value);

// The Japanese general date form of a local date and time, the same whatever the system's locale:
// "2026/12/06 7:15:33" (hours without a leading zero), and the date alone at exactly midnight.
QString GeneralDateTimeText(const QDateTime& moment);

} // namespace soranika
