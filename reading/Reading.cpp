#include "Reading.h"

#include "TypeTable.h"

namespace soranika {

bool KeepAppraisal(Reading& reading, const Appraisal& appraisal) {
    reading.BirthDateText = appraisal.texts.birthDateText;
    reading.MaskedBirthDate = appraisal.texts.maskedBirthDate;
    if (!appraisal.accepted)
        return false;
    reading.DaysLived = appraisal.daysLived;
    reading.TypeText = TypeTable::TypeText(appraisal.typeIndex);
    reading.TypeIndex = appraisal.typeIndex;
    reading.TypeTitle = TypeTable::Title(appraisal.typeIndex).toString();
    return true;
}

} // namespace soranika
