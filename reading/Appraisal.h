#pragma once

#include "BirthDate.h"

#include <QDate>

namespace soranika {

// What one appraisal of the four date boxes yields, named as in the `CurrentReading` it is kept
// in. The texts are built for every entry, even a refused one; the rest is set only when the
// entry is accepted.
struct Appraisal {
    BirthDateTexts Texts;
    bool Accepted = false;
    QDate BirthDate;
    qint64 DaysLived = 0;
    int TypeIndex = 0;
};

// Checks the entry and, when it is accepted, places it in the cycle and counts the days to today.
Appraisal AppraiseBirthDate(QStringView eraText, QStringView yearText, QStringView monthText,
                            QStringView dayText, QDate today);

} // namespace soranika
