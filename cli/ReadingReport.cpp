#include "ReadingReport.h"

#include "ReadingFormat.h"
#include "TypeTable.h"

using namespace Qt::StringLiterals;

namespace soranika {

QString ReadingReport(const Appraisal& appraisal) {
    Q_ASSERT(appraisal.Accepted);
    const int type = appraisal.TypeIndex;
    QString report;
    report += TypeTable::Title(type).toString() + u'\n';
    report += u"タイプ番号："_s + QString::number(type) + u'\n';
    report += u"生年月日："_s + appraisal.Texts.BirthDateText + u'\n';
    report += u"生まれてから："_s + FormatGroupedNumber(appraisal.DaysLived) + u"日\n"_s;
    report += u"年令："_s + QString::number(AgeInYears(appraisal.DaysLived)) + u"才\n"_s;
    report += u'\n' + TypeTable::Prose(type).toString() + u'\n';
    return report;
}

} // namespace soranika
