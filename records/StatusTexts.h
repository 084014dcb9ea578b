#pragma once

#include <QString>

namespace soranika {

// The two status labels of the main window: the time of the last Record (Label8) and the number
// of readings recorded (Label9). Start-up, Record and Clear write them with prefixes that differ
// on purpose, side by side here:
//
//                 Label8                          Label9
//   start-up      "前回鑑定記録日時：" + time       "鑑定履歴:" + count + "件"
//   Record        "前回鑑定日時：" + time           "鑑定履歴:" + count + "件"
//   Clear         "前回鑑定日時："                  "鑑定履歴：0件"  (a full-width colon)
struct StatusTexts {
    QString dateLabel;
    QString countLabel;

    static StatusTexts AtStartup(const QString& storedTime, const QString& storedCount);
    static StatusTexts AfterRecord(const QString& recordedAt, const QString& newCount);
    static StatusTexts AfterClear();
};

} // namespace soranika
