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
    const qint64 dayCount = DayCountOrigin().daysTo(birthDate);
    // C++ truncates the remainder toward zero: it takes the sign of dayCount + kCycleOffset and
    // lies in -59 .. 59, so a day far enough before the origin needs a cycle added.
    qint64 place = (dayCount + kCycleOffset) % kCycleLength;
    if (place == 0)
        place = kCycleLength;
    if (place < 0)
        place += kCycleLength;
    return static_cast<int>(place);
}

qint64 ComputeDaysLived(QDate birthDate, QDate today) {
    return birthDate.daysTo(today);
}

} // namespace soranika
