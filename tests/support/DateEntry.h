#pragma once

// A birth date put into the main window's date boxes as a person leaves them before 鑑　定:
// the era and the year typed, the month and the day picked from their lists.

#include "FindControl.h"

#include <QComboBox>
#include <QLineEdit>
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace soranika::testing {

// `month` and `day` are picked by the number the list shows. One the list does not hold ends the
// test run, like a missing control: the boxes would otherwise keep an earlier date unseen.
inline void EnterBirthDate(const QObject& form, const QString& era, const QString& year, int month,
                           int day) {
    Find<QComboBox>(form, "Combo1(0)")->setEditText(era);
    Find<QLineEdit>(form, "Text1(0)")->setText(year);
    const auto pick = [&](const char* name, int number) {
        auto* list = Find<QComboBox>(form, name);
        const int index = list->findText(QString::number(number));
        if (index < 0)
            qFatal("no %d in the list %s", number, name);
        list->setCurrentIndex(index);
    };
    pick("Combo1(1)", month);
    pick("Combo1(2)", day);
}

} // namespace soranika::testing
