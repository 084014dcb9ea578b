#pragma once

#include "Appraisal.h"

#include <QString>

namespace soranika {

// An accepted reading as a person reads it in a terminal: title, type number, birth date, days
// lived, age, then the prose (without the carriage returns that lead the type text).
QString ReadingReport(const Appraisal& appraisal);

} // namespace soranika
