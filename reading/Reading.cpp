#include "Reading.h"

#include "TypeTable.h"

namespace soranika {

bool KeepAppraisal(Reading& reading, const Appraisal& appraisal) {
    reading.BirthDateText = appraisal.Texts.BirthDateText;
    reading.MaskedBirthDate = appraisal.Texts.MaskedBirthDate;
    if (!appraisal.Accepted)
        return false;
    reading.DaysLived = appraisal.DaysLived;
    reading.TypeText = TypeTable::TypeText(appraisal.TypeIndex);
    reading.TypeIndex = appraisal.TypeIndex;
    reading.TypeTitle = TypeTable::Title(appraisal.TypeIndex).toString();
    return true;
}

} // namespace soranika
