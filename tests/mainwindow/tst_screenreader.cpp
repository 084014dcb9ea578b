// What a screen reader is told, checked without one: the names and descriptions of every control
// of the four windows, the Tab stops after the designed twelve, the notices that say a reading and
// a record, the month and day lists, the menus, and the detail and about windows.

#include "Accessibility.h"
#include "CaptionLabel.h"
#include "DateEntry.h"
#include "DetailPage.h"
#include "FindControl.h"
#include "Fonts.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "JapaneseFonts.h"
#include "LineControl.h"
#include "RunningProgram.h"
#include "StandIns.h"
#include "TypeTable.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <utility>

using namespace soranika;
using namespace soranika::testing;
using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface* Accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

// The notice a window speaks through, or null while it has said nothing.
QWidget* Notice(QWidget* window) {
    return window->findChild<QWidget*>(u"ScreenReaderNotice"_s, Qt::FindDirectChildrenOnly);
}

// What the window's notice says now; empty while it has said nothing.
QString Said(QWidget* window) {
    QWidget* notice = Notice(window);
    return notice ? QAccessible::queryAccessibleInterface(notice)->text(QAccessible::Name)
                  : QString();
}

// Counts the times a widget is shown: a notice is spoken each time it appears.
class ShowCounter : public QObject {
public:
    int shown = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            ++shown;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestScreenReader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyControlHasAnAccessibleName();
    void screenReadersHearWhatTheWindowsShow();
    void buttonsAreNamedAsWords_data();
    void buttonsAreNamedAsWords();
    void aReadingIsSpokenAfterAppraisal();
    void aRecordSpeaksTheNewCount();
    void titleAndProseFollowTheButtonsWhileAReadingIsShown();
    void monthAndDayListsSayWhatTheyAreAndHold();
    void aTextBoxEnteredByTabIsSelectedAfterTheFocusIsReported();
    void aTextBoxIsReadWhole();
    void detailWindowIsReadByTab();
    void aboutHeadingIsOneWord();
    void menusAreReadInWords();
    void birthDatesInWords_data();
    void birthDatesInWords();

private:
    Form1& enterDate();

    std::unique_ptr<RunningProgram> program_;
};

void TestScreenReader::initTestCase() {
    if (const QString missing = MissingJapaneseFonts(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    InstallFontSubstitutions();
    InstallAccessibility();
}

void TestScreenReader::init() {
    program_ = std::make_unique<RunningProgram>();
    QVERIFY(program_->start());
}

void TestScreenReader::cleanup() {
    program_.reset();
}

Form1& TestScreenReader::enterDate() {
    Form1& form = *program_->form;
    EnterBirthDate(form, u"昭和"_s, u"60"_s, 5, 12);
    Find<QLineEdit>(form, "Text4")->setText(u"Taro"_s);
    return form;
}

void TestScreenReader::everyControlHasAnAccessibleName() {
    Form1& form = *program_->form;
    int named = 0;
    for (QWidget* window :
         {form.centralWidget(), static_cast<QWidget*>(form.form2()),
          static_cast<QWidget*>(form.form3()), static_cast<QWidget*>(form.form4())}) {
        for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<LineControl*>(control) || control->isHidden())
                continue; // lines, and the era box's label that only screen readers see
            const auto* label = qobject_cast<CaptionLabel*>(control);
            if (label && label->caption().isEmpty())
                continue; // a label the program fills is named by what it shows
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY(accessible);
            QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(control->objectName()));
            // The tooltip describes; a label's text is read once, as its name.
            if (!control->toolTip().isEmpty())
                QCOMPARE(control->accessibleDescription(), control->toolTip());
            else if (!label)
                QVERIFY2(!control->accessibleDescription().isEmpty(),
                         qPrintable(control->objectName()));
            ++named;
        }
    }
    QVERIFY2(named >= 35, qPrintable(QString::number(named)));
    QCOMPARE(Find<QComboBox>(form, "Combo1(0)")->accessibleName(), u"元号"_s);
    QCOMPARE(Find<QPushButton>(form, "Command1")->accessibleName(), u"鑑定"_s);
    QCOMPARE(Find<QLineEdit>(form, "Text4")->accessibleName(), u"お名前"_s);
}

void TestScreenReader::screenReadersHearWhatTheWindowsShow() {
    Form1& form = enterDate();
    Click(form, "Command1");
    Click(form, "btnKioku");
    const auto name = [](QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    };
    // The status labels and the prose are named by what they show, not by their tooltips; the
    // tooltip is their description.
    auto* count = Find<CaptionLabel>(form, "Label9");
    QCOMPARE(name(count), u"鑑定履歴:1件"_s);
    QCOMPARE(QAccessible::queryAccessibleInterface(count)->text(QAccessible::Description),
             count->toolTip());
    Click(form, "Command5");
    // The detail window's prose for 1985-05-12, type 48: the two carriage returns before it are
    // heard as line breaks.
    QCOMPARE(name(Find<CaptionLabel>(*form.form3(), "Label1")),
             u"\n\n"_s + TypeTable::Prose(48).toString());

    // The month and day lists, which Linux names by the item they show, are labelled by the
    // label after them.
    for (const auto& [box, label] :
         {std::pair{"Combo1(1)", u"月"_s}, std::pair{"Combo1(2)", u"日"_s}}) {
        const auto relations = QAccessible::queryAccessibleInterface(Find<QComboBox>(form, box))
                                   ->relations(QAccessible::Label);
        QCOMPARE(relations.size(), 1);
        QCOMPARE(relations.first().first->text(QAccessible::Name), label);
    }

    // The era box takes typing: the focus is in its line, which is named 元号 whatever it holds.
    QLineEdit* era = Find<QComboBox>(form, "Combo1(0)")->lineEdit();
    QCOMPARE(QAccessible::queryAccessibleInterface(era)->text(QAccessible::Name), u"元号"_s);

    // The secondary windows are windows named by their titles.
    for (QWidget* window :
         {static_cast<QWidget*>(form.form2()), static_cast<QWidget*>(form.form3()),
          static_cast<QWidget*>(form.form4())}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window);
        QCOMPARE(accessible->role(), QAccessible::Window);
        QCOMPARE(accessible->text(QAccessible::Name), window->windowTitle());
    }

    // The home-page link: a link, reached by Tab, opened by Enter, Space or its press action.
    Form4* about = form.form4();
    auto* link = Find<CaptionLabel>(*about, "Label5");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(link);
    QCOMPARE(accessible->role(), QAccessible::Link);
    QCOMPARE(accessible->text(QAccessible::Name), u"https://soranika.example.jp/"_s);
    QVERIFY(link->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(link, Qt::Key_Return);
    QTest::keyClick(link, Qt::Key_Space);
    QVERIFY(accessible->actionInterface());
    QVERIFY(accessible->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(program_->system.addresses.opened, QStringList(3, u"https://soranika.example.jp/"_s));
}

void TestScreenReader::buttonsAreNamedAsWords_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::newRow("鑑定") << u"Command1"_s << u"鑑　定"_s << u"鑑定"_s;
    QTest::newRow("詳細表示") << u"Command5"_s << u"詳細表示"_s << u"詳細表示"_s;
    QTest::newRow("記録") << u"btnKioku"_s << u"記　録"_s << u"記録"_s;
    QTest::newRow("印刷") << u"Command4"_s << u"印　刷"_s << u"印刷"_s;
    QTest::newRow("クリア") << u"Command3"_s << u"クリア"_s << u"クリア"_s;
    QTest::newRow("終了") << u"Command2"_s << u"終　了"_s << u"終了"_s;
}

void TestScreenReader::buttonsAreNamedAsWords() {
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, name);
    auto* pressed = Find<QPushButton>(*program_->form, qPrintable(button));
    QCOMPARE(pressed->text(), caption); // the screen keeps its spacing
    QCOMPARE(Accessible(pressed)->text(QAccessible::Name), name);
}

void TestScreenReader::aReadingIsSpokenAfterAppraisal() {
    Form1& form = enterDate();
    QVERIFY(!Notice(&form));
    Click(form, "Command1");
    QWidget* notice = Notice(&form);
    QVERIFY(notice);
    QVERIFY(notice->isVisible());
    QVERIFY(notice->size().isEmpty()); // nothing on the screen changes
    QCOMPARE(Accessible(notice)->role(), QAccessible::Notification);
    // The title first, then the prose in one line, the line breaks made ends of sentences.
    const QString said = Accessible(notice)->text(QAccessible::Name);
    QVERIFY2(said.startsWith(form.currentReading().TypeTitle + u'。'), qPrintable(said));
    QVERIFY(said.contains(u"砂鉄のように"_s));
    QVERIFY(!said.contains(u'\r') && !said.contains(u'\n'));

    // The same reading again is said again: the notice is shown anew.
    ShowCounter counter;
    notice->installEventFilter(&counter);
    Click(form, "Command1");
    QCOMPARE(counter.shown, 1);
    QCOMPARE(Notice(&form), notice);

    // A refused date says its refusal in its message box, and no reading.
    Find<QComboBox>(form, "Combo1(2)")->setCurrentIndex(30); // 昭和60年5月31日 exists
    Find<QComboBox>(form, "Combo1(1)")->setCurrentIndex(1);  // 2月31日 does not
    Click(form, "Command1");
    QCOMPARE(counter.shown, 1);
    QCOMPARE(program_->system.messages.shown.size(), 1);
}

void TestScreenReader::aRecordSpeaksTheNewCount() {
    Form1& form = enterDate();
    Click(form, "btnKioku"); // no reading yet: the message box says so
    QCOMPARE(program_->system.messages.shown.size(), 1);
    QVERIFY(!Notice(&form));
    Click(form, "Command1");
    Click(form, "btnKioku");
    QCOMPARE(Said(&form), u"鑑定履歴:1件"_s);
    Click(form, "btnKioku");
    QCOMPARE(Said(&form), u"鑑定履歴:2件"_s);
}

void TestScreenReader::titleAndProseFollowTheButtonsWhileAReadingIsShown() {
    Form1& form = enterDate();
    auto* quit = Find<QPushButton>(form, "Command2");
    auto* title = Find<CaptionLabel>(form, "Label6");
    auto* prose = Find<CaptionLabel>(form, "Label2");
    const auto tabFrom = [&](QWidget* from) {
        from->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    const auto isEraBox = [&](QWidget* widget) {
        auto* era = Find<QComboBox>(form, "Combo1(0)");
        return widget == era || widget == era->lineEdit();
    };
    // No reading: from 終了 back to the era box, as designed.
    QVERIFY(isEraBox(tabFrom(quit)));
    Click(form, "Command1");
    QCOMPARE(tabFrom(quit), title);
    QCOMPARE(tabFrom(title), prose);
    QVERIFY(isEraBox(tabFrom(prose)));
    QCOMPARE(Accessible(title)->text(QAccessible::Name), form.currentReading().TypeTitle);
    QVERIFY(Accessible(prose)->text(QAccessible::Name).contains(u"砂鉄のように"_s));
    // Cleared: the empty labels are no stops.
    Click(form, "Command3");
    QVERIFY(isEraBox(tabFrom(quit)));
}

void TestScreenReader::monthAndDayListsSayWhatTheyAreAndHold() {
    Form1& form = enterDate();
    for (const auto& [name, label, shown] :
         {std::tuple{"Combo1(1)", u"月"_s, u"5"_s}, std::tuple{"Combo1(2)", u"日"_s, u"12"_s}}) {
        auto* list = Find<QComboBox>(form, name);
        QAccessibleInterface* accessible = Accessible(list);
        QCOMPARE(accessible->role(), QAccessible::ComboBox);
        if constexpr (QtReadsListsAndTextBoxes) {
            // Qt's own: named by the item, labelled by 月 or 日, which Orca 48 says first.
            QCOMPARE(accessible->text(QAccessible::Value), shown);
            const auto labels = accessible->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.first().first->text(QAccessible::Name), label);
            continue;
        }
        QCOMPARE(accessible->text(QAccessible::Name), label); // not the number it shows
        QCOMPARE(accessible->text(QAccessible::Value), shown);
        QVERIFY(accessible->textInterface());
        QCOMPARE(
            accessible->textInterface()->text(0, accessible->textInterface()->characterCount()),
            shown);
        QVERIFY(accessible->state().expandable);
        QVERIFY(accessible->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::showMenuAction()));
    }
    if constexpr (QtReadsListsAndTextBoxes)
        return; // Qt 6.8 tells screen readers of the picked item itself
    // Arrowing through the list says each item as it comes.
    auto* month = Find<QComboBox>(form, "Combo1(1)");
    month->setFocus(Qt::TabFocusReason);
    QTest::keyClick(month, Qt::Key_Down);
    QCOMPARE(month->currentText(), u"6"_s);
    QCOMPARE(Said(&form), u"6"_s);
    QTest::keyClick(month, Qt::Key_Up);
    QCOMPARE(Said(&form), u"5"_s);
    // A list changed by the program, not by the user in it, says nothing.
    Find<QComboBox>(form, "Combo1(2)")->setCurrentIndex(0);
    QCOMPARE(Said(&form), u"5"_s);
}

void TestScreenReader::aTextBoxEnteredByTabIsSelectedAfterTheFocusIsReported() {
    Form1& form = enterDate();
    auto* name = Find<QLineEdit>(form, "Text4");
    QSignalSpy selected(name, &QLineEdit::selectionChanged);
    Find<QComboBox>(form, "Combo1(2)")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    // The focus has moved, and Qt has reported it, before the text is selected.
    QCOMPARE(QApplication::focusWidget(), name);
    QCOMPARE(selected.count(), 0);
    QTRY_COMPARE(name->selectedText(), u"Taro"_s);
    // A click leaves the text as it is, as before.
    name->deselect();
    Find<QLineEdit>(form, "Text2")->setFocus(Qt::MouseFocusReason);
    name->setFocus(Qt::MouseFocusReason);
    QTest::qWait(20);
    QVERIFY(!name->hasSelectedText());
}

void TestScreenReader::aTextBoxIsReadWhole() {
    if constexpr (QtReadsListsAndTextBoxes)
        QSKIP("Qt 6.8's own text box interface is left in place; e2e_orca hears the box whole");
    Form1& form = enterDate();
    auto* name = Find<QLineEdit>(form, "Text4");
    QAccessibleInterface* accessible = Accessible(name);
    QCOMPARE(accessible->role(), QAccessible::EditableText);
    QCOMPARE(accessible->text(QAccessible::Name), u"お名前"_s);
    QCOMPARE(accessible->text(QAccessible::Value), u"Taro"_s);
    QAccessibleTextInterface* text = accessible->textInterface();
    QVERIFY(text);
    // The attributes are one run over the whole text, from wherever they are asked for: a
    // screen reader reads the line run by run.
    for (int offset : {0, 2, 3}) {
        int start = -1;
        int end = -1;
        text->attributes(offset, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, 4);
    }
    QCOMPARE(text->text(0, text->characterCount()), u"Taro"_s);
    name->selectAll();
    int start = -1;
    int end = -1;
    QCOMPARE(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    QCOMPARE(text->text(start, end), u"Taro"_s);
    QCOMPARE(text->cursorPosition(), 4);
    // Typing and editing through the screen reader reach the box.
    accessible->editableTextInterface()->replaceText(0, 4, u"Hanako"_s);
    QCOMPARE(name->text(), u"Hanako"_s);
    accessible->editableTextInterface()->deleteText(4, 6);
    QCOMPARE(name->text(), u"Hana"_s);
    accessible->editableTextInterface()->insertText(4, u"ko"_s);
    QCOMPARE(name->text(), u"Hanako"_s);
    QVERIFY(accessible->state().editable);
    QVERIFY(!text->characterRect(0).isEmpty());
    QCOMPARE(text->characterRect(6), QRect());
}

void TestScreenReader::detailWindowIsReadByTab() {
    Form1& form = enterDate();
    Click(form, "Command1");
    Click(form, "Command5");
    Form3* detail = form.form3();
    QVERIFY(QTest::qWaitForWindowExposed(detail));
    auto* date = Find<CaptionLabel>(*detail, "Label13");
    QCOMPARE(date->text(), u"S60/5/12"_s); // shown as ever
    QCOMPARE(Accessible(date)->text(QAccessible::Name), u"昭和60年5月12日"_s);
    const auto relations = Accessible(date)->relations(QAccessible::Label);
    QCOMPARE(relations.size(), 1);
    QCOMPARE(relations.first().first->text(QAccessible::Name), u"生年月日"_s);
    // Every text of the page is a Tab stop, in reading order, round and round.
    const QList<const char*> order{"Label12", "Label13", "Label15", "Label14",
                                   "Label9",  "Label1",  "Label5"};
    Find<CaptionLabel>(*detail, order.first())->setFocus(Qt::TabFocusReason);
    for (qsizetype i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(),
                 QString::fromLatin1(order[i % order.size()]));
    }
    QCOMPARE(Accessible(Find<CaptionLabel>(*detail, "Label12"))->text(QAccessible::Name),
             u"Taro"_s);
    QVERIFY(Accessible(Find<CaptionLabel>(*detail, "Label14"))
                ->text(QAccessible::Name)
                .startsWith(u"あなたが生まれてから今日で"_s));
}

void TestScreenReader::aboutHeadingIsOneWord() {
    Form4* about = program_->form->form4();
    auto* heading = Find<CaptionLabel>(*about, "Label6");
    QCOMPARE(heading->text(), u"最 新 情 報"_s);
    QCOMPARE(Accessible(heading)->text(QAccessible::Name), u"最新情報"_s);
}

void TestScreenReader::menusAreReadInWords() {
    Form1& form = *program_->form;
    const auto accessible = [](QAction* entry) {
        return QAccessible::queryAccessibleInterface(entry);
    };
    QMenuBar* bar = form.menuBar();
    QAccessibleInterface* barInterface = QAccessible::queryAccessibleInterface(bar);
    QStringList names;
    for (int i = 0; i < barInterface->childCount(); ++i)
        names << barInterface->child(i)->text(QAccessible::Name);
    QCOMPARE(names, (QStringList{u"ファイル"_s, u"オプション"_s, u"ヘルプ"_s}));
    // The captions stay as they are.
    QCOMPARE(Find<QMenu>(form, "Mnufile")->title(), u"ﾌｧｲﾙ(&F)"_s);
    QCOMPARE(barInterface->child(0)->text(QAccessible::Accelerator), u"Alt+F"_s);

    // Each entry in its menu, found where Qt's menus look for it, with what it does.
    auto* options = Find<QMenu>(form, "Mnu_Option");
    QAccessibleInterface* optionsInterface = QAccessible::queryAccessibleInterface(options);
    QCOMPARE(barInterface->child(1)->child(0)->object(), options);
    auto* age = Find<QAction>(form, "Mnu_nen");
    QAccessibleInterface* ageInterface = accessible(age);
    QCOMPARE(ageInterface->role(), QAccessible::MenuItem);
    QCOMPARE(ageInterface->text(QAccessible::Name), u"年令非表示"_s);
    QCOMPARE(ageInterface->parent()->object(), options);
    QCOMPARE(optionsInterface->indexOfChild(ageInterface), options->actions().indexOf(age));
    QVERIFY(ageInterface->state().checkable);
    QVERIFY(!ageInterface->state().checked);
    ageInterface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(age->isChecked());
    QVERIFY(ageInterface->state().checked);
    QCOMPARE(accessible(Find<QAction>(form, "mnu_ver"))->text(QAccessible::Name), u"バージョン"_s);
    QCOMPARE(accessible(Find<QAction>(form, "Mnu_Rireki"))->text(QAccessible::Name), u"履歴表示"_s);
    QVERIFY(!accessible(Find<QAction>(form, "Mnu_Rireki"))->state().checkable);
}

void TestScreenReader::birthDatesInWords_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("Shōwa") << u"S60/5/12"_s << u"昭和60年5月12日"_s;
    QTest::newRow("Meiji") << u"M45/7/29"_s << u"明治45年7月29日"_s;
    QTest::newRow("Taishō") << u"T1/7/30"_s << u"大正1年7月30日"_s;
    QTest::newRow("Heisei") << u"H31/4/30"_s << u"平成31年4月30日"_s;
    QTest::newRow("Reiwa") << u"R1/5/1"_s << u"令和1年5月1日"_s;
    QTest::newRow("Western") << u"2000/1/1"_s << u"2000年1月1日"_s;
    QTest::newRow("age hidden") << u"****/5/12"_s << u"5月12日"_s;
    QTest::newRow("unknown era letter") << u"X1/1/1"_s << u"X1/1/1"_s;
    QTest::newRow("not a date") << u"S60/5"_s << u"S60/5"_s;
}

void TestScreenReader::birthDatesInWords() {
    QFETCH(QString, shown);
    QFETCH(QString, spoken);
    QCOMPARE(SpokenBirthDate(shown), spoken);
}

QTEST_MAIN(TestScreenReader)
#include "tst_screenreader.moc"
