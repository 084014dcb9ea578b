#pragma once

// Readings as the main window keeps them after 鑑　定, built without the window.

#include "Reading.h"
#include "TypeTable.h"

#include <QString>

namespace soranika::testing {

// A reading of the type `type` for the birth date `birth` (as the main window writes it,
// "S60/5/12"), with its title and prose from the type table.
inline Reading ReadingOfType(int type, const QString& birth = QStringLiteral("S60/5/12"),
                             qint64 daysLived = 12345) {
    Reading reading;
    reading.TypeText = TypeTable::TypeText(type);
    reading.BirthDateText = birth;
    reading.MaskedBirthDate = QStringLiteral("****/") + birth.section(u'/', 1);
    reading.DaysLived = daysLived;
    reading.TypeIndex = type;
    reading.TypeTitle = TypeTable::Title(type).toString();
    return reading;
}

// The reading of 昭和60年5月12日, type 48, 磁気を帯びたイノシシ.
inline Reading ShowaReading() {
    return ReadingOfType(48);
}

} // namespace soranika::testing
