#include "TypeCycle.h"

#include "BirthDate.h"

namespace soranika {

namespace {

constexpr qint64 kCycleOffset = 13;
constexpr qint64 kCycleLength = 60;

// The day count starts the day before the cycle's base date 1935/01/01.
QDate DayCountOrigin() {
    static const QDate origin = ParseDateText(u"1935/01/01")->addDays(-1);
    return origin;
}

} // namespace

int ComputeTypeIndex(QDate birthDate) {
    const qint64 d = DayCountOrigin().daysTo(birthDate);
    // C++ truncates the remainder toward zero, so r has the sign of s and lies in -59 .. 59.
    qint64 r = (d + kCycleOffset) % kCycleLength;
    if (r == 0)
        r = kCycleLength;
    if (r < 0)
        r += kCycleLength;
    return static_cast<int>(r);
}

qint64 ComputeDaysLived(QDate birthDate, QDate today) {
    return birthDate.daysTo(today);
}

} // namespace soranika
