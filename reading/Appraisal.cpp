#include "Appraisal.h"

#include "TypeCycle.h"

namespace soranika {

Appraisal AppraiseBirthDate(QStringView eraText, QStringView yearText, QStringView monthText,
                            QStringView dayText, QDate today) {
    Appraisal appraisal;
    appraisal.Texts = MakeBirthDateText(eraText, yearText, monthText, dayText);
    const auto birthDate =
        ValidateBirthDate(appraisal.Texts.EraPrefix, yearText, appraisal.Texts.BirthDateText);
    if (!birthDate)
        return appraisal;
    appraisal.Accepted = true;
    appraisal.BirthDate = *birthDate;
    appraisal.DaysLived = ComputeDaysLived(*birthDate, today);
    appraisal.TypeIndex = ComputeTypeIndex(*birthDate);
    return appraisal;
}

} // namespace soranika
