#pragma once

#include <QDate>

namespace soranika {

// The personality type of a birth date, 1 to 60: the place of the day in an unbroken sixty-day
// cycle that runs the same way before and after its base date (1934-12-18 is type 60,
// 1934-12-19 type 1, 1935-01-01 type 14).
int ComputeTypeIndex(QDate birthDate);

// Whole days from the birth date to today; negative for a birth date in the future.
qint64 ComputeDaysLived(QDate birthDate, QDate today);

} // namespace soranika
