#pragma once

#include "BirthDate.h"

#include <QDate>

namespace soranika {

// What one appraisal of the four date boxes yields. The texts are built for every entry, even a
// refused one; the rest is set only when the entry is accepted.
struct Appraisal {
    BirthDateTexts texts;
    bool accepted = false;
    QDate birthDate;
    qint64 daysLived = 0;
    int typeIndex = 0;
};

// Checks the entry and, when it is accepted, places it in the cycle and counts the days to today.
Appraisal AppraiseBirthDate(QStringView eraText, QStringView yearText, QStringView monthText,
                            QStringView dayText, QDate today);

} // namespace soranika
