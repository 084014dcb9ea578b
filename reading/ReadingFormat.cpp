#include "ReadingFormat.h"

namespace soranika {

qint64 AgeInYears(qint64 daysLived) {
    constexpr qint64 kDaysPerYear = 365;
    qint64 years = daysLived / kDaysPerYear;
    if (daysLived % kDaysPerYear < 0)
        --years;
    return years;
}

QString FormatGroupedNumber(qint64 value) {
    // Work on the magnitude as unsigned, so the lowest qint64 has a magnitude too.
    const quint64 magnitude =
        value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    const QString digits = QString::number(magnitude);
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3 + 1);
    if (value < 0)
        grouped += u'-';
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += u',';
        grouped += digits[i];
    }
    return grouped;
}

QString GeneralDateTimeText(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    QString text = QString::asprintf("%04d/%02d/%02d", date.year(), date.month(), date.day());
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0)
        text += QString::asprintf(" %d:%02d:%02d", time.hour(), time.minute(), time.second());
    return text;
}

} // namespace soranika
