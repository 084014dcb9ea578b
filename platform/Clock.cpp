#include "Clock.h"

namespace soranika {

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

} // namespace soranika
