#include "DetailPage.h"

#include "ReadingFormat.h"

namespace soranika {

DetailPage MakeDetailPage(const Reading& reading, const QString& name, bool ageHidden,
                          const QDateTime& now) {
    DetailPage page;
    page.prose = reading.TypeText;
    page.name = name;
    page.birthDate = ageHidden ? reading.MaskedBirthDate : reading.BirthDateText;
    page.days = ageHidden ? QStringLiteral("*****") : FormatGroupedNumber(reading.DaysLived);
    page.age = ageHidden ? QStringLiteral("**") : QString::number(AgeInYears(reading.DaysLived));
    page.shownAt = GeneralDateTimeText(now);
    page.title = reading.TypeTitle;
    page.typeIndex = reading.TypeIndex;
    return page;
}

QString TypePictureFileName(int typeIndex) {
    return QStringLiteral("Image(%1).tkb").arg(typeIndex);
}

} // namespace soranika
