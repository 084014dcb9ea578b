// The date lists: each opens below its box and scrolls, within the screen.

#include "ControlTable.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTest>

#include <array>

using namespace soranika;
using namespace Qt::StringLiterals;

class TestWindowSetup : public QObject {
    Q_OBJECT

private slots:
    void dateListsScrollWithinTheScreen();
};

void TestWindowSetup::dateListsScrollWithinTheScreen() {
    // The day list of the main window: 31 items in a box 345 twips high.
    const std::array<ControlSpec, 2> rows{{
        {.name = "day",
         .kind = ControlKind::DropDownList,
         .rect = {3000, 360, 615, 345},
         .text = u"1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20|21|22|23|24|25|26|27|28|"
                 u"29|30|31"_s,
         .font = {.points = 11.25}},
        {.name = "era",
         .kind = ControlKind::EditableCombo,
         .rect = {120, 360, 855, 345},
         .text = u"西暦|明治|大正|昭和|平成|令和"_s},
    }};
    QWidget form;
    form.resize(535, 375);
    const auto controls = BuildControls(&form, rows);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const char* name : {"day", "era"}) {
        auto* list = qobject_cast<QComboBox*>(controls.value(QString::fromLatin1(name)));
        QVERIFY(list);
        // Not the whole list over the box: a list below it that scrolls.
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        QCOMPARE(list->style()->styleHint(QStyle::SH_ComboBox_Popup, &option, list), 0);
        QCOMPARE(list->maxVisibleItems(), ListBoxRows);
        list->showPopup();
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        const int rowsShown = view->viewport()->height() / view->sizeHintForRow(0);
        QCOMPARE(rowsShown, qMin(list->count(), ListBoxRows));
        const QRect popup = view->window()->geometry();
        QVERIFY2(list->screen()->availableGeometry().contains(popup), name);
        QVERIFY(popup.top() >= list->mapToGlobal(QPoint(0, 0)).y());
        list->hidePopup();
    }
}

QTEST_MAIN(TestWindowSetup)
#include "tst_windowsetup.moc"
