#include "DetailPage.h"

#include "EraTable.h"
#include "ReadingFormat.h"

#include <QRegularExpression>

namespace soranika {

DetailPage MakeDetailPage(const Reading& reading, const QString& name, bool ageHidden,
                          const QDateTime& now) {
    DetailPage page;
    page.prose = reading.TypeText;
    page.name = name;
    page.birthDate = ageHidden ? reading.MaskedBirthDate : reading.BirthDateText;
    page.spokenBirthDate = SpokenBirthDate(page.birthDate);
    page.days = ageHidden ? QStringLiteral("*****") : FormatGroupedNumber(reading.DaysLived);
    page.age = ageHidden ? QStringLiteral("**") : QString::number(AgeInYears(reading.DaysLived));
    page.shownAt = GeneralDateTimeText(now);
    page.title = reading.TypeTitle;
    page.typeIndex = reading.TypeIndex;
    return page;
}

QString SpokenBirthDate(QStringView shown) {
    static const QRegularExpression date(QStringLiteral("^([A-Z]?)(\\d+|\\*+)/(\\d+)/(\\d+)$"));
    const QRegularExpressionMatch parts = date.match(shown.toString());
    if (!parts.hasMatch())
        return shown.toString();
    QString era;
    for (const Era& row : EraTable) {
        if (row.prefix == parts.capturedView(1))
            era = row.prefix.isEmpty() ? QString() : row.name.toString();
    }
    if (!parts.capturedView(1).isEmpty() && era.isEmpty())
        return shown.toString();
    const QString year = parts.capturedView(2).startsWith(u'*')
                             ? QString()
                             : era + parts.captured(2) + QStringLiteral("年");
    return year + parts.captured(3) + QStringLiteral("月") + parts.captured(4) +
           QStringLiteral("日");
}

QString TypePictureFileName(int typeIndex) {
    return QStringLiteral("Image(%1).tkb").arg(typeIndex);
}

} // namespace soranika
