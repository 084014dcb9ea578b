#include "Appraisal.h"

#include "TypeCycle.h"

namespace soranika {

Appraisal AppraiseBirthDate(QStringView eraText, QStringView yearText, QStringView monthText,
                            QStringView dayText, QDate today) {
    Appraisal appraisal;
    appraisal.texts = MakeBirthDateText(eraText, yearText, monthText, dayText);
    const auto birthDate =
        ValidateBirthDate(appraisal.texts.eraPrefix, yearText, appraisal.texts.birthDateText);
    if (!birthDate)
        return appraisal;
    appraisal.accepted = true;
    appraisal.birthDate = *birthDate;
    appraisal.daysLived = ComputeDaysLived(*birthDate, today);
    appraisal.typeIndex = ComputeTypeIndex(*birthDate);
    return appraisal;
}

} // namespace soranika
