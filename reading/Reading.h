#pragma once

#include "Appraisal.h"

#include <QString>

namespace soranika {

// The main window's record of its last appraisal (its `CurrentReading`), from which Record,
// Detail and Print take what they show. It is never saved.
struct Reading {
    QString TypeText;      // two carriage returns, then the prose of the type
    QString BirthDateText; // e.g. "S60/5/12"
    qint64 DaysLived = 0;
    QString MaskedBirthDate; // e.g. "****/5/12"
    int TypeIndex = 0;       // 1 to 60 once a date was accepted
    QString TypeTitle;
};

// Keeps an appraisal: the two birth-date texts always, even for a refused entry; the type, its
// texts and the days only when the entry was accepted. Returns whether it was.
bool KeepAppraisal(Reading& reading, const Appraisal& appraisal);

} // namespace soranika
