// The main window driven headless: its layout, tab order and menus, Appraise, Clear, the colour
// commands, start-up from the settings store and shut-down.

#include "BirthDate.h"
#include "CaptionLabel.h"
#include "DateEntry.h"
#include "FindControl.h"
#include "Fonts.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "JapaneseFonts.h"
#include "LineControl.h"
#include "ProgramSettings.h"
#include "RunningProgram.h"
#include "StandIns.h"
#include "StatusLine.h"
#include "TypeTable.h"

#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace soranika;
using namespace soranika::testing;
using namespace Qt::StringLiterals;

namespace {

QColor Background(QWidget* form) {
    return form->palette().color(QPalette::Window);
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowAndControls_data();
    void windowAndControls();
    void fontsAndLists();
    void tabOrderRunsFromEraToQuit();
    void menus();
    void appraiseShowsTheReading();
    void refusalAfterAnAcceptedAppraisal();
    void refusalAsTheFirstAppraisal();
    void clearEmptiesTheEntryAndTheResult();
    void colourCommands();
    void colourReachesWindowsMadeAgain();
    void colourThatCannotBeStoredIsUsedAndReported();
    void startUpOnAFreshStore();
    void startUpAfterTheStoreWasSetAside();
    void statusLineStaysWholeAndApart_data();
    void statusLineStaysWholeAndApart();
    void statusLineNarrowsTheDateOnlyAsFarAsNeeded();
    void startUpShowsTheStoredValues();
    void startUpWithStoredTextsThatAreNotNumbers_data();
    void startUpWithStoredTextsThatAreNotNumbers();
    void secondCopyIsRefusedWithoutTouchingTheStore();
    void closingTheMainWindowClosesTheOthers();

private:
    // Made before each case and started by the case, so that it can set the stand-ins first.
    std::unique_ptr<RunningProgram> program_;
};

void TestForm1::initTestCase() {
    if (const QString missing = MissingJapaneseFonts(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    InstallFontSubstitutions();
}

void TestForm1::init() {
    program_ = std::make_unique<RunningProgram>();
}

void TestForm1::cleanup() {
    program_.reset();
}

void TestForm1::windowAndControls_data() {
    // Pixel rectangles are the twips of the layout divided by 15.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("era") << u"Combo1(0)"_s << QRect(8, 24, 57, 23)
                         << u"西暦は100～9999年まで鑑定できます"_s;
    QTest::newRow("year") << u"Text1(0)"_s << QRect(72, 24, 49, 24)
                          << u"元号に対応した年を入力して下さい"_s;
    QTest::newRow("month") << u"Combo1(1)"_s << QRect(144, 24, 41, 24) << u"月を入力して下さい"_s;
    QTest::newRow("day") << u"Combo1(2)"_s << QRect(200, 24, 41, 23) << u"日を入力して下さい"_s;
    QTest::newRow("name") << u"Text4"_s << QRect(272, 24, 169, 25) << u"お名前"_s;
    QTest::newRow("memo")
        << u"Text2"_s << QRect(48, 344, 153, 25)
        << u"　続柄などを入力する欄です。使い方は自由です。ここに記載した内容は、ファイルに記憶する時に付加されます"_s;
    QTest::newRow("appraise") << u"Command1"_s << QRect(448, 64, 81, 41)
                              << u"生年月日を入力後鑑定ボタンを押して下さい"_s;
    QTest::newRow("detail") << u"Command5"_s << QRect(448, 112, 81, 41)
                            << u"おもしろ画像が添付されてます　印刷前にご覧下さい"_s;
    QTest::newRow("record")
        << u"btnKioku"_s << QRect(448, 160, 81, 41)
        << u"SanRireki.txtへ鑑定内容を記録します。記憶の必要がある時は押してください。"_s;
    QTest::newRow("print") << u"Command4"_s << QRect(448, 208, 81, 41) << u"印刷"_s;
    QTest::newRow("clear") << u"Command3"_s << QRect(448, 256, 81, 41) << u"クリア"_s;
    QTest::newRow("quit") << u"Command2"_s << QRect(448, 304, 81, 41) << u"終了"_s;
    QTest::newRow("prose") << u"Label2"_s << QRect(16, 80, 425, 257) << QString();
    // The time of the last Record reaches up to the count, a gap short of it (the table's box
    // would run under the count).
    QTest::newRow("last record") << u"Label8"_s << QRect(200, 352, 224, 15)
                                 << u"前回「記録」ボタンを押した鑑定履歴日時のことです"_s;
    QTest::newRow("record count") << u"Label9"_s << QRect(432, 352, 92, 23)
                                  << u"前回｢記録」ボタンを押した鑑定履歴件数のことです"_s;
    QTest::newRow("picture") << u"Image1"_s << QRect(464, 8, 57, 49) << QString();
}

void TestForm1::windowAndControls() {
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(QString, tooltip);
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    QCOMPARE(form.windowTitle(), u"ソラニカVer1.0"_s);
    QCOMPARE(form.centralWidget()->size(), QSize(535, 375));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    auto* control = form.centralWidget()->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(control->toolTip(), tooltip);
}

void TestForm1::fontsAndLists() {
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    QCOMPARE(QFontInfo(Find<CaptionLabel>(form, "Label4")->font()).family(), u"IPAPGothic"_s);
    QVERIFY(Find<QPushButton>(form, "Command1")->font().bold() &&
            Find<QPushButton>(form, "Command1")->font().italic());
    QCOMPARE(Find<QPushButton>(form, "Command1")->font().pixelSize(), 21); // 15.75 pt
    QCOMPARE(Find<QPushButton>(form, "Command3")->font().pixelSize(), 19); // 14.25 pt
    QCOMPARE(Find<CaptionLabel>(form, "Label2")->font().pixelSize(), 12);  // 9 pt
    QVERIFY(Find<CaptionLabel>(form, "Label8")->font().italic() &&
            !Find<CaptionLabel>(form, "Label8")->font().bold());

    QCOMPARE(Find<QComboBox>(form, "Combo1(0)")->currentText(), u"西暦"_s);
    QVERIFY(Find<QComboBox>(form, "Combo1(0)")->isEditable());
    QCOMPARE(Find<QComboBox>(form, "Combo1(0)")->count(), 6);
    QCOMPARE(Find<QComboBox>(form, "Combo1(0)")->itemText(4), u"平成"_s);
    QCOMPARE(Find<QComboBox>(form, "Combo1(0)")->itemText(5), u"令和"_s);
    // Typed digits arrive as they are with the input method left on: the year box takes no
    // composition, while the era, name and memo boxes keep it for Japanese.
    QLineEdit* year = Find<QLineEdit>(form, "Text1(0)");
    QVERIFY(!year->testAttribute(Qt::WA_InputMethodEnabled));
    // QLineEdit answers the input method's question itself: the answer must be no.
    QVERIFY(!year->inputMethodQuery(Qt::ImEnabled).toBool());
    QVERIFY(year->inputMethodHints() & Qt::ImhPreferLatin);
    QVERIFY(year->inputMethodHints() & Qt::ImhPreferNumbers);
    for (QWidget* japanese :
         {static_cast<QWidget*>(Find<QLineEdit>(form, "Text4")),
          static_cast<QWidget*>(Find<QLineEdit>(form, "Text2")),
          static_cast<QWidget*>(Find<QComboBox>(form, "Combo1(0)")->lineEdit())})
        QVERIFY(japanese->testAttribute(Qt::WA_InputMethodEnabled) &&
                japanese->inputMethodQuery(Qt::ImEnabled).toBool());
    QVERIFY(!Find<QComboBox>(form, "Combo1(1)")->isEditable() &&
            !Find<QComboBox>(form, "Combo1(2)")->isEditable());
    QCOMPARE(Find<QComboBox>(form, "Combo1(1)")->currentIndex(), -1);
    QCOMPARE(Find<QComboBox>(form, "Combo1(1)")->currentText(), QString());
    QCOMPARE(Find<QComboBox>(form, "Combo1(1)")->count(), 12);
    QCOMPARE(Find<QComboBox>(form, "Combo1(2)")->count(), 31);
    QCOMPARE(Find<QComboBox>(form, "Combo1(2)")->itemText(0), u"1"_s);
    QCOMPARE(Find<QComboBox>(form, "Combo1(2)")->itemText(30), u"31"_s);

    for (QPushButton* button :
         {Find<QPushButton>(form, "Command1"), Find<QPushButton>(form, "Command2"),
          Find<QPushButton>(form, "Command3"), Find<QPushButton>(form, "Command4"),
          Find<QPushButton>(form, "Command5"), Find<QPushButton>(form, "btnKioku")}) {
        QVERIFY(!button->isDefault() && !button->autoDefault());
        QCOMPARE(button->cursor().shape(), Qt::BitmapCursor);
    }
    QVERIFY(Find<CaptionLabel>(form, "Label2")->autoFillBackground());
    QCOMPARE(Find<CaptionLabel>(form, "Label2")->palette().color(QPalette::Window),
             QColor(Qt::white));
    QVERIFY(!Find<CaptionLabel>(form, "Label4")->autoFillBackground());
    QCOMPARE(Find<CaptionLabel>(form, "Label3(0)")->caption(), u"年"_s);
    // 年, 月 and 日 keep their designed left and top (twips / 15) and are sized to their one
    // full-width character of 15 pixels (11.25 pt), one line of the font high.
    QCOMPARE(Find<CaptionLabel>(form, "Label3(0)")->geometry(), QRect(128, 32, 15, 17));
    QCOMPARE(Find<CaptionLabel>(form, "Label3(1)")->geometry(), QRect(184, 32, 15, 17));
    QCOMPARE(Find<CaptionLabel>(form, "Label3(2)")->geometry(), QRect(240, 32, 15, 17));
}

void TestForm1::tabOrderRunsFromEraToQuit() {
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    const QList<QWidget*> expected{
        Find<QComboBox>(form, "Combo1(0)"),  Find<QLineEdit>(form, "Text1(0)"),
        Find<QComboBox>(form, "Combo1(1)"),  Find<QComboBox>(form, "Combo1(2)"),
        Find<QLineEdit>(form, "Text4"),      Find<QLineEdit>(form, "Text2"),
        Find<QPushButton>(form, "Command1"), Find<QPushButton>(form, "Command5"),
        Find<QPushButton>(form, "btnKioku"), Find<QPushButton>(form, "Command4"),
        Find<QPushButton>(form, "Command3"), Find<QPushButton>(form, "Command2")};
    QTRY_COMPARE(QApplication::focusWidget(), Find<QComboBox>(form, "Combo1(0)"));
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected[i]);
    }
}

void TestForm1::menus() {
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    const QList<QAction*> menus = form.menuBar()->actions();
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus[0]->text(), u"ﾌｧｲﾙ(&F)"_s);
    QCOMPARE(menus[1]->text(), u"ｵﾌﾟｼｮﾝ(&O)"_s);
    QCOMPARE(menus[2]->text(), u"ヘルプ(&H)"_s);
    const auto captions = [](QMenu* menu) {
        QStringList texts;
        for (QAction* action : menu->actions()) {
            const bool plain = action->shortcut().isEmpty() && action->isEnabled() &&
                               action->isVisible() && !action->isChecked();
            texts.append(plain ? action->text() : u"(not plain) "_s + action->text());
        }
        return texts;
    };
    QCOMPARE(captions(Find<QMenu>(form, "Mnufile")), (QStringList{u"履歴表示"_s, u"履歴クリア"_s}));
    QCOMPARE(captions(Find<QMenu>(form, "Mnu_Option")),
             (QStringList{u"フォーム色を変更"_s, u"フォーム色を元に戻す"_s, u"年令非表示"_s}));
    QCOMPARE(captions(Find<QMenu>(form, "Mnu_help")), (QStringList{u"説明"_s, u"ﾊﾞｰｼﾞｮﾝ"_s}));

    // The age switch starts off; two clicks leave it as it was.
    QVERIFY(!form.ageHidden());
    Choose(form, "Mnu_nen");
    QVERIFY(form.ageHidden());
    Choose(form, "Mnu_nen");
    QVERIFY(!form.ageHidden());
    QCOMPARE(program_->system.settings.writes, 0);
}

void TestForm1::appraiseShowsTheReading() {
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    EnterBirthDate(form, u"昭和"_s, u"60"_s, 5, 12);
    Find<QPushButton>(form, "Command1")->setFocus();
    QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton);

    QVERIFY(program_->system.messages.shown.isEmpty());
    QCOMPARE(Find<CaptionLabel>(form, "Label6")->caption(), u"磁気を帯びたイノシシ"_s);
    QCOMPARE(Find<CaptionLabel>(form, "Label2")->caption(),
             u"\r\r"_s + TypeTable::Prose(48).toString() + u"\r\r"_s);
    QVERIFY(form.readingPresent());
    const Reading& reading = form.currentReading();
    QCOMPARE(reading.BirthDateText, u"S60/5/12"_s);
    QCOMPARE(reading.MaskedBirthDate, u"****/5/12"_s);
    QCOMPARE(reading.TypeIndex, 48);
    QCOMPARE(reading.TypeTitle, u"磁気を帯びたイノシシ"_s);
    QCOMPARE(reading.DaysLived, QDate(1985, 5, 12).daysTo(QDate(2026, 12, 6)));
    QCOMPARE(reading.TypeText, TypeTable::TypeText(48));

    // The title stands centred on x = 3487 twips, at the top of the prose box, in front of it.
    const QRect title = Find<CaptionLabel>(form, "Label6")->geometry();
    QVERIFY2(qAbs(title.center().x() - 232) <= 1, qPrintable(QString::number(title.center().x())));
    QCOMPARE(title.top(), 88);
    QVERIFY(title.width() > 100);
    const QObjectList& siblings = form.centralWidget()->children();
    QVERIFY(siblings.indexOf(Find<CaptionLabel>(form, "Label6")) >
            siblings.indexOf(Find<CaptionLabel>(form, "Label2")));
    // The entry stays as it was and the focus stays on the button.
    QCOMPARE(Find<QLineEdit>(form, "Text1(0)")->text(), u"60"_s);
    QCOMPARE(QApplication::focusWidget(), Find<QPushButton>(form, "Command1"));

    EnterBirthDate(form, u"平成"_s, u"1"_s, 1, 8);
    Click(form, "Command1");
    QCOMPARE(Find<CaptionLabel>(form, "Label6")->caption(), u"山上に舞う龍"_s);
    QCOMPARE(form.currentReading().TypeIndex, 5);

    EnterBirthDate(form, u"令和"_s, u"8"_s, 12, 7);
    Click(form, "Command1");
    QCOMPARE(form.currentReading().BirthDateText, u"R8/12/7"_s);
    QCOMPARE(form.currentReading().DaysLived, -1); // the stand-in clock stands on 2026-12-06
}

void TestForm1::refusalAfterAnAcceptedAppraisal() {
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    EnterBirthDate(form, u"昭和"_s, u"60"_s, 5, 12);
    Click(form, "Command1");
    const Reading before = form.currentReading();
    const QString prose = Find<CaptionLabel>(form, "Label2")->caption();

    EnterBirthDate(form, u"西暦"_s, u"50"_s, 1, 1);
    Find<QPushButton>(form, "Command1")->setFocus();
    Click(form, "Command1");

    QCOMPARE(program_->system.messages.shown.size(), 1);
    const Message& message = program_->system.messages.shown.first();
    QCOMPARE(message.text, RefusalMessage.toString());
    QCOMPARE(message.title, u"ソラニカVer1.0"_s);
    QCOMPARE(message.buttons, Message::Buttons::Ok);
    QCOMPARE(message.icon, Message::Icon::None);
    QCOMPARE(QApplication::focusWidget(), Find<QComboBox>(form, "Combo1(0)"));

    QCOMPARE(Find<CaptionLabel>(form, "Label2")->caption(), prose);
    QCOMPARE(Find<CaptionLabel>(form, "Label6")->caption(), u"磁気を帯びたイノシシ"_s);
    const Reading& after = form.currentReading();
    QCOMPARE(after.BirthDateText, u"50/1/1"_s);
    QCOMPARE(after.MaskedBirthDate, u"****/1/1"_s);
    QCOMPARE(after.TypeIndex, before.TypeIndex);
    QCOMPARE(after.DaysLived, before.DaysLived);
    QCOMPARE(after.TypeTitle, before.TypeTitle);
    QCOMPARE(after.TypeText, before.TypeText);
    QCOMPARE(Find<QLineEdit>(form, "Text1(0)")->text(), u"50"_s); // no box is cleared
}

void TestForm1::refusalAsTheFirstAppraisal() {
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    EnterBirthDate(form, u"西暦"_s, u"50"_s, 1, 1);
    Click(form, "Command1");
    QCOMPARE(program_->system.messages.shown.size(), 1);
    QVERIFY(!form.readingPresent());
    QVERIFY(Find<CaptionLabel>(form, "Label6")->caption().isEmpty());
    QCOMPARE(form.currentReading().TypeIndex, 0);

    // A future date is accepted, with negative days.
    EnterBirthDate(form, u"西暦"_s, u"2030"_s, 1, 1);
    Click(form, "Command1");
    QCOMPARE(program_->system.messages.shown.size(), 1);
    QVERIFY(form.readingPresent());
    QVERIFY(form.currentReading().DaysLived < 0);
}

void TestForm1::clearEmptiesTheEntryAndTheResult() {
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    EnterBirthDate(form, u"いつか"_s, u"1985"_s, 5, 12);
    Find<QLineEdit>(form, "Text4")->setText(u"山田花子"_s);
    Find<QLineEdit>(form, "Text2")->setText(u"姉"_s);
    Click(form, "Command1");
    Choose(form, "Mnu_nen");
    Find<CaptionLabel>(form, "Label8")->setCaption(u"前回鑑定日時：x"_s);
    const Reading kept = form.currentReading();

    QTest::mouseClick(Find<QPushButton>(form, "Command3"), Qt::LeftButton);

    QCOMPARE(Find<QComboBox>(form, "Combo1(0)")->currentText(), u"西暦"_s);
    QCOMPARE(Find<QComboBox>(form, "Combo1(0)")->count(), 6);
    QVERIFY(Find<QLineEdit>(form, "Text1(0)")->text().isEmpty());
    QCOMPARE(Find<QComboBox>(form, "Combo1(1)")->currentIndex(), -1);
    QCOMPARE(Find<QComboBox>(form, "Combo1(1)")->currentText(), QString());
    QCOMPARE(Find<QComboBox>(form, "Combo1(2)")->currentIndex(), -1);
    QCOMPARE(Find<QComboBox>(form, "Combo1(1)")->count(), 12);
    QVERIFY(Find<QLineEdit>(form, "Text4")->text().isEmpty());
    QVERIFY(Find<QLineEdit>(form, "Text2")->text().isEmpty());
    QVERIFY(Find<CaptionLabel>(form, "Label2")->caption().isEmpty());
    QVERIFY(Find<CaptionLabel>(form, "Label6")->caption().isEmpty());
    QVERIFY(!form.readingPresent());
    QCOMPARE(QApplication::focusWidget(), Find<QComboBox>(form, "Combo1(0)"));
    // What Clear leaves alone.
    QCOMPARE(form.currentReading().BirthDateText, kept.BirthDateText);
    QCOMPARE(form.currentReading().TypeIndex, kept.TypeIndex);
    QVERIFY(form.ageHidden());
    QCOMPARE(Find<CaptionLabel>(form, "Label8")->caption(), u"前回鑑定日時：x"_s);
}

void TestForm1::colourCommands() {
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    auto& dialog = program_->system.colours;
    auto& store = program_->system.settings;
    const auto allWindowsAre = [&](const QColor& colour) {
        for (QWidget* window : form.colouredForms()) {
            if (Background(window) != colour)
                return false;
        }
        return true;
    };
    const QColor pink(255, 192, 192);
    QVERIFY(allWindowsAre(pink));

    // Cancel on a first run: nothing changes, the default is stored.
    Choose(form, "Mnu_iro");
    QCOMPARE(dialog.openedOn.last(), pink);
    QCOMPARE(store.stored(ProgramSettings::ColourKey), u"12632319"_s);
    QVERIFY(allWindowsAre(pink));

    // A chosen colour reaches all four windows and is stored as 00BBGGRR in decimal.
    dialog.answers.push_back(QColor(0x12, 0x34, 0x56));
    Choose(form, "Mnu_iro");
    QVERIFY(allWindowsAre(QColor(0x12, 0x34, 0x56)));
    QCOMPARE(form.windowColour().value(), 0x563412u);
    QCOMPARE(store.stored(ProgramSettings::ColourKey), QString::number(0x563412));
    // The prose box stays white.
    QCOMPARE(Find<CaptionLabel>(form, "Label2")->palette().color(QPalette::Window),
             QColor(Qt::white));

    // A later cancel opens on the colour in use and stores it again.
    Choose(form, "Mnu_iro");
    QCOMPARE(dialog.openedOn.last(), QColor(0x12, 0x34, 0x56));
    QCOMPARE(store.stored(ProgramSettings::ColourKey), QString::number(0x563412));

    dialog.answers.push_back(QColor(Qt::black));
    Choose(form, "Mnu_iro");
    QCOMPARE(store.stored(ProgramSettings::ColourKey), u"0"_s);
    QVERIFY(allWindowsAre(Qt::black));

    dialog.answers.push_back(QColor(Qt::white));
    Choose(form, "Mnu_iro");
    QCOMPARE(store.stored(ProgramSettings::ColourKey), u"16777215"_s);

    Choose(form, "Mnu_ColorMoto");
    QVERIFY(allWindowsAre(pink));
    QCOMPARE(store.stored(ProgramSettings::ColourKey), u"12632319"_s);
    QCOMPARE(dialog.openedOn.size(), 5);

    // A store that cannot be written changes nothing the user sees.
    store.failWrites = true;
    dialog.answers.push_back(QColor(Qt::red));
    Choose(form, "Mnu_iro");
    QVERIFY(allWindowsAre(Qt::red));
}

void TestForm1::colourReachesWindowsMadeAgain() {
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    QPointer<Form3> detail = form.form3();
    detail->show();
    QVERIFY(detail->close());
    QTRY_VERIFY(detail.isNull());
    program_->system.colours.answers.push_back(QColor(Qt::darkGreen));
    Choose(form, "Mnu_iro");
    QCOMPARE(Background(form.form3()), QColor(Qt::darkGreen));
    QVERIFY(form.form3()->isHidden());
}

void TestForm1::colourThatCannotBeStoredIsUsedAndReported() {
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    program_->system.settings.store(ProgramSettings::ColourKey, u"255"_s);
    program_->system.settings.failWrites = true;
    program_->system.colours.answers.push_back(QColor(Qt::darkBlue));
    Choose(form, "Mnu_iro");
    // The colour is there for this run; the store keeps the old one, and the user knows.
    QCOMPARE(Background(form.colouredForms().first()), QColor(Qt::darkBlue));
    QCOMPARE(program_->system.settings.stored(ProgramSettings::ColourKey), u"255"_s);
    Choose(form, "Mnu_ColorMoto");
    QCOMPARE(Background(form.colouredForms().first()), QColor(255, 192, 192));
    QCOMPARE(program_->system.messages.shown.size(), 2);
    for (const Message& message : program_->system.messages.shown) {
        QVERIFY2(message.text.startsWith(u"フォームの色を保存できませんでした。"_s),
                 qPrintable(message.text));
        QVERIFY(message.text.contains(u"(memory)/vobrel"_s));
        QVERIFY(message.text.contains(MemorySettingsStore::FailureReason));
        QCOMPARE(message.icon, Message::Icon::Warning);
        QCOMPARE(message.title, u"ソラニカVer1.0"_s);
    }
}

namespace {

// The painted extent of a label's text, in its parent's coordinates, drawn at a device pixel
// ratio as on a scaled screen; the label's own box clips what does not fit.
struct Extent {
    double left = 0;
    double right = 0;
    bool touchesRightEdge = false;
};

Extent PaintedExtent(QWidget* label, qreal ratio) {
    QImage image((QSizeF(label->size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    label->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                first = qMin(first, x);
                last = qMax(last, x);
            }
        }
    }
    return {label->x() + first / ratio, label->x() + (last + 1) / ratio, last >= image.width() - 1};
}

} // namespace

void TestForm1::statusLineStaysWholeAndApart_data() {
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("record");
    QTest::newRow("longest at start-up") << u"2026/12/31 23:59:59"_s << u"999999"_s << false;
    QTest::newRow("longest after Record") << u"2026/12/31 23:59:59"_s << u"99998"_s << true;
    QTest::newRow("one record") << u"2026/12/07 9:14:23"_s << u"1"_s << false;
    QTest::newRow("nothing yet") << QString() << QString() << false;
}

void TestForm1::statusLineStaysWholeAndApart() {
    QFETCH(QString, time);
    QFETCH(QString, count);
    QFETCH(bool, record);
    program_->system.settings.store(ProgramSettings::RecordTimeKey, time);
    program_->system.settings.store(ProgramSettings::RecordCountKey, count);
    program_->system.clock.set(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)));
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    if (record) {
        EnterBirthDate(form, u"昭和"_s, u"60"_s, 5, 12);
        Click(form, "Command1");
        Click(form, "btnKioku");
    }
    auto* date = Find<CaptionLabel>(form, "Label8");
    auto* number = Find<CaptionLabel>(form, "Label9");
    QVERIFY(number->caption().endsWith(u"件"_s));
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        const Extent dateText = PaintedExtent(date, ratio);
        const Extent countText = PaintedExtent(number, ratio);
        const QString at =
            u" at %1x: "_s.arg(ratio) + date->caption() + u" | "_s + number->caption();
        QVERIFY2(!dateText.touchesRightEdge && !countText.touchesRightEdge,
                 qPrintable(u"a text is cut"_s + at));
        QVERIFY2(dateText.right < countText.left, qPrintable(u"the texts run together"_s + at));
        QVERIFY2(countText.right <= form.centralWidget()->width(),
                 qPrintable(u"the count leaves the window"_s + at));
    }
    // As far as the texts allow, the table's places.
    QCOMPARE(date->x(), 200);
    QVERIFY(number->x() <= 432 && number->x() >= 400);
}

void TestForm1::startUpOnAFreshStore() {
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    QCOMPARE(Find<CaptionLabel>(form, "Label8")->caption(), u"前回鑑定記録日時："_s);
    QCOMPARE(Find<CaptionLabel>(form, "Label9")->caption(), u"鑑定履歴:0件"_s);
    QCOMPARE(form.windowColour().value(), 12632319u);
    QCOMPARE(Background(form.centralWidget()), QColor(255, 192, 192));
    QCOMPARE(program_->system.folder.madeWorking, 1);
    QCOMPARE(program_->system.settings.writes, 0);
    QVERIFY(Find<CaptionLabel>(form, "Label2")->caption().isEmpty() &&
            Find<CaptionLabel>(form, "Label6")->caption().isEmpty());
    // The secondary windows are made at start-up, hidden, in the window colour: found among the
    // windows that exist, not made by asking for them.
    QTRY_COMPARE(form.colouredForms().size(), 4);
    for (QWidget* window : form.colouredForms().mid(1)) {
        QVERIFY(window->isWindow() && window->isHidden());
        QCOMPARE(Background(window), QColor(255, 192, 192));
    }
}

void TestForm1::startUpAfterTheStoreWasSetAside() {
    // Said once, before the window shows, with both files and the reason; then a fresh start.
    program_->system.settings.setAside =
        SetAsideStore{.unusable = u"/home/u/.config/vobrel.conf"_s,
                      .keptAs = u"/home/u/.config/vobrel.conf.damaged-"
                                u"20261206-071533"_s,
                      .reason = u"設定ファイルとして読めない内容です"_s};
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    QCOMPARE(program_->system.settings.setAsideAt, QDateTime(QDate(2026, 12, 6), QTime(7, 15, 33)));
    QCOMPARE(program_->system.messages.shown.size(), 1);
    const Message& told = program_->system.messages.shown.first();
    QCOMPARE(told.icon, Message::Icon::Warning);
    for (const QString& part :
         {u"別の名前で残して"_s, u"/home/u/.config/vobrel.conf\n"_s,
          u"vobrel.conf.damaged-20261206-071533"_s, u"設定ファイルとして読めない内容です"_s})
        QVERIFY2(told.text.contains(part), qPrintable(told.text));
    QCOMPARE(Find<CaptionLabel>(form, "Label9")->caption(), u"鑑定履歴:0件"_s);

    // The next start finds a good store and says nothing.
    Form1 again(program_->platform);
    QVERIFY(again.Form_Load());
    QCOMPARE(program_->system.messages.shown.size(), 1);
}

void TestForm1::statusLineNarrowsTheDateOnlyAsFarAsNeeded() {
    const QRect date(8, 360, 200, 16), count(400, 360, 100, 16);
    // The count keeps its place while it fits; the date takes the room up to it, less a gap.
    StatusLineLayout layout = LayOutStatusLine(date, count, 50, 535);
    QCOMPARE(layout.countBox, count);
    QCOMPARE(layout.dateBox, QRect(8, 360, 400 - 8 - 8, 16));
    // A count too wide for the window's right edge moves left, and the date's room with it.
    layout = LayOutStatusLine(date, count, 200, 535);
    QCOMPARE(layout.countBox, QRect(535 - 4 - 201, 360, 201, 16));
    QCOMPARE(layout.dateBox.right(), layout.countBox.left() - 8 - 1);

    // On the window: a date wider than its room is set narrower and stays whole, and a short one
    // goes back to full width.
    const QString longTime = u"2026/12/06 7:15:33 "_s + QString(12, u'9');
    program_->system.settings.store(ProgramSettings::RecordTimeKey, longTime);
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    auto* label = Find<CaptionLabel>(form, "Label8");
    QCOMPARE(label->caption(), u"前回鑑定記録日時："_s + longTime);
    QVERIFY(label->font().stretch() < 100);
    QVERIFY(label->font().stretch() > 60);
    QVERIFY(InkWidth(label->font(), label->text()) < label->width());
    QVERIFY(label->geometry().right() < Find<CaptionLabel>(form, "Label9")->geometry().left());
}

void TestForm1::startUpShowsTheStoredValues() {
    auto& store = program_->system.settings;
    store.store(ProgramSettings::RecordCountKey, u"7"_s);
    store.store(ProgramSettings::RecordTimeKey, u"2026/12/06 7:15:33"_s);
    store.store(ProgramSettings::ColourKey, u"0"_s);
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    QCOMPARE(Find<CaptionLabel>(form, "Label9")->caption(), u"鑑定履歴:7件"_s);
    QCOMPARE(Find<CaptionLabel>(form, "Label8")->caption(),
             u"前回鑑定記録日時：2026/12/06 7:15:33"_s);
    QCOMPARE(form.windowColour().value(), 0u);
    QCOMPARE(Background(form.form4()), QColor(Qt::black));
    QVERIFY(!form.ageHidden());

    // After a history clear both texts are stored empty and read like nothing stored.
    program_->form.reset();
    store.store(ProgramSettings::RecordCountKey, QString());
    store.store(ProgramSettings::RecordTimeKey, QString());
    store.store(ProgramSettings::ColourKey, QString());
    QVERIFY(program_->start());
    Form1& again = *program_->form;
    QCOMPARE(Find<CaptionLabel>(again, "Label9")->caption(), u"鑑定履歴:0件"_s);
    QCOMPARE(Find<CaptionLabel>(again, "Label8")->caption(), u"前回鑑定記録日時："_s);
    QCOMPARE(again.windowColour().value(), 12632319u);
}

void TestForm1::startUpWithStoredTextsThatAreNotNumbers_data() {
    QTest::addColumn<QString>("colour");
    QTest::addColumn<quint32>("used");
    QTest::newRow("letters") << u"pink"_s << 12632319u;
    QTest::newRow("negative") << u"-1"_s << 12632319u;
    QTest::newRow("too large") << u"16777216"_s << 12632319u;
    QTest::newRow("fraction") << u"255.5"_s << 12632319u;
    QTest::newRow("blank before") << u" 255"_s << 12632319u;
    QTest::newRow("white") << u"16777215"_s << 16777215u;
    QTest::newRow("leading zeros") << u"00255"_s << 255u;
}

void TestForm1::startUpWithStoredTextsThatAreNotNumbers() {
    QFETCH(QString, colour);
    QFETCH(quint32, used);
    program_->system.settings.store(ProgramSettings::ColourKey, colour);
    program_->system.settings.store(ProgramSettings::RecordCountKey, u"abc"_s);
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    QCOMPARE(form.windowColour().value(), used);
    QCOMPARE(Find<CaptionLabel>(form, "Label9")->caption(), u"鑑定履歴:abc件"_s);
    // The stored text stays until a colour command replaces it.
    QCOMPARE(program_->system.settings.stored(ProgramSettings::ColourKey), colour);
}

void TestForm1::secondCopyIsRefusedWithoutTouchingTheStore() {
    program_->system.instance.alone = false;
    QVERIFY(!program_->start());
    QCOMPARE(program_->system.messages.shown.size(), 1);
    QCOMPARE(program_->system.messages.shown[0].text, u"既に起動されています"_s);
    QCOMPARE(program_->system.messages.shown[0].title, u"ソラニカVer1.0"_s);
    QCOMPARE(program_->system.messages.shown[0].buttons, Message::Buttons::Ok);
    QCOMPARE(program_->system.messages.shown[0].icon, Message::Icon::None);
    QCOMPARE(program_->system.settings.reads, 0);
    QCOMPARE(program_->system.settings.writes, 0);
    QCOMPARE(program_->system.folder.madeWorking, 0);
    QVERIFY(!program_->form->isVisible());
}

void TestForm1::closingTheMainWindowClosesTheOthers() {
    QVERIFY(program_->start());
    Form1& form = *program_->form;
    QPointer<Form2> help = form.form2();
    QPointer<Form3> detail = form.form3();
    QPointer<Form4> about = form.form4();
    help->show();
    detail->show();
    // The about window as its command brings it up.
    Find<QAction>(form, "mnu_ver")->trigger();
    QTRY_VERIFY(about->isVisible());
    QVERIFY(help->isVisible() && detail->isVisible());
    QTest::mouseClick(Find<QPushButton>(form, "Command2"), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QTRY_VERIFY(help.isNull() || !help->isVisible());
    QTRY_VERIFY(detail.isNull() || !detail->isVisible());
    QTRY_VERIFY(about.isNull() || !about->isVisible());
    QCOMPARE(program_->system.settings.writes, 0);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
