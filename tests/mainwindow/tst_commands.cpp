// The commands that take a reading further, driven through the main window: Record, Detail,
// Print, the history menu, the explanation and about windows.

#include "CaptionLabel.h"
#include "Cp932.h"
#include "DateEntry.h"
#include "Files.h"
#include "FindControl.h"
#include "Fonts.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "HistoryEntry.h"
#include "HistoryJournal.h"
#include "HistoryWindow.h"
#include "JapaneseFonts.h"
#include "ProgramSettings.h"
#include "RunningProgram.h"
#include "StandIns.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>

using namespace soranika;
using namespace soranika::testing;
using namespace Qt::StringLiterals;

namespace {

const QString kRecordFirst =
    u" 生年月日を入力後、鑑定のボタンを押してから、記録ボタンを押して下さい。"_s;
const QString kPrintFirst =
    u" 生年月日を入力後、鑑定のボタンを押してから、印刷ボタンを押して下さい。"_s;

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void commandsNeedAReadingFirst_data();
    void commandsNeedAReadingFirst();
    void recordUpdatesTheStatusLabels();
    void pastedLineBreaksNeverReachTheHistory();
    void aRestartShowsWhatTheLastRunStored();
    void aRecordCutShortIsGoneAtTheNextStart();
    void detailShowsTheReading();
    void detailFollowsTheAgeSwitchAndTheLatestReading();
    void detailWithoutPictureStillOpens();
    void printCancelledDoesNothing();
    void printMakesOnePage();
    void printWithoutPictureOrPrinterSaysWhy();
    void clearingTheHistoryResetsTheLabels();
    void viewingTheHistory_data();
    void viewingTheHistory();
    void helpReadsTheFileEachTime();
    void helpWithoutFile();
    void aboutWindowAndItsLink();

private:
    Form1& startWithReading();
    QString programFile(const QString& name) const {
        return program_->system.folder.filePath(name);
    }
    void providePicture(int type);

    std::unique_ptr<RunningProgram> program_;
};

void TestCommands::initTestCase() {
    if (const QString missing = MissingJapaneseFonts(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    InstallFontSubstitutions();
}

void TestCommands::init() {
    program_ = std::make_unique<RunningProgram>();
    program_->system.printing.pdfPath = program_->system.folder.filePath(u"printed.pdf"_s);
    QVERIFY(program_->start());
}

void TestCommands::cleanup() {
    program_.reset();
}

void TestCommands::providePicture(int type) {
    const QString name = u"Image(%1).tkb"_s.arg(type);
    QVERIFY(QFile::copy(QStringLiteral(SORANIKA_PICTURE_DIR "/") + name, programFile(name)));
}

Form1& TestCommands::startWithReading() {
    Form1& form = *program_->form;
    EnterBirthDate(form, u"昭和"_s, u"60"_s, 5, 12);
    Find<QLineEdit>(form, "Text4")->setText(u"山田花子"_s);
    Find<QLineEdit>(form, "Text2")->setText(u"長女"_s);
    Click(form, "Command1");
    return form;
}

void TestCommands::commandsNeedAReadingFirst_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("afterClear");
    QTest::newRow("record") << u"btnKioku"_s << kRecordFirst << false;
    QTest::newRow("detail") << u"Command5"_s << kPrintFirst << false;
    QTest::newRow("print") << u"Command4"_s << kPrintFirst << false;
    QTest::newRow("record after clear") << u"btnKioku"_s << kRecordFirst << true;
    QTest::newRow("detail after clear") << u"Command5"_s << kPrintFirst << true;
    QTest::newRow("print after clear") << u"Command4"_s << kPrintFirst << true;
}

void TestCommands::commandsNeedAReadingFirst() {
    QFETCH(QString, button);
    QFETCH(QString, message);
    QFETCH(bool, afterClear);
    Form1& form = *program_->form;
    if (afterClear) {
        startWithReading();
        Click(form, "Command3");
    }
    auto* pressed = form.findChild<QPushButton*>(button);
    QVERIFY(pressed);
    pressed->setFocus();
    QTest::mouseClick(pressed, Qt::LeftButton);

    QCOMPARE(program_->system.messages.shown.size(), 1);
    QCOMPARE(program_->system.messages.shown[0].text, message);
    QCOMPARE(program_->system.messages.shown[0].title, u"ソラニカVer1.0"_s);
    QCOMPARE(program_->system.messages.shown[0].icon, Message::Icon::None);
    QCOMPARE(QApplication::focusWidget(), Find<QComboBox>(form, "Combo1(0)"));
    QVERIFY(!QFile::exists(programFile(HistoryFileName)));
    QCOMPARE(program_->system.printing.dialogs, 0);
    QVERIFY(form.form3()->isHidden());
    QVERIFY(Find<CaptionLabel>(*form.form3(), "Label9")->caption().isEmpty());
}

void TestCommands::recordUpdatesTheStatusLabels() {
    Form1& form = startWithReading();
    Choose(form, "Mnu_nen"); // the history keeps the full date all the same
    Find<QPushButton>(form, "btnKioku")->setFocus();
    QTest::mouseClick(Find<QPushButton>(form, "btnKioku"), Qt::LeftButton);
    QCOMPARE(Find<CaptionLabel>(form, "Label8")->caption(), u"前回鑑定日時：2026/12/06 7:15:33"_s);
    QCOMPARE(Find<CaptionLabel>(form, "Label9")->caption(), u"鑑定履歴:1件"_s);
    QCOMPARE(QApplication::focusWidget(), Find<QPushButton>(form, "btnKioku"));
    // The bytes of an entry are the history tests' business; here, what the window hands on: the
    // full birth date although the age is hidden, and the name as the box holds it at the moment
    // of the Record.
    QFile file(programFile(HistoryFileName));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().split('\n').value(3), EncodeCp932(u"生年月日：S60/5/12\r"_s));
    Find<QLineEdit>(form, "Text4")->setText(u"山田太郎"_s);
    Click(form, "btnKioku");
    QCOMPARE(Find<CaptionLabel>(form, "Label9")->caption(), u"鑑定履歴:2件"_s);
    file.seek(0);
    QVERIFY(file.readAll().contains(EncodeCp932(u"\r\n氏　　名：山田太郎\r\n"_s)));
}

void TestCommands::pastedLineBreaksNeverReachTheHistory() {
    Form1& form = startWithReading();
    Find<QLineEdit>(form, "Text2")->clear();
    Find<QLineEdit>(form, "Text2")->insert(u"X\r\nY\nZ\rW"_s); // as a paste or a drop arrives
    Find<QLineEdit>(form, "Text4")->clear();
    Find<QLineEdit>(form, "Text4")->insert(u"山田\n花子"_s);
    Click(form, "btnKioku");
    QFile file(programFile(HistoryFileName));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.value(2), EncodeCp932(u"氏　　名：山田 花子\r"_s));
    QCOMPARE(lines.value(6), EncodeCp932(u"備　　考：X Y Z W\r"_s));
    QVERIFY(lines.value(7).startsWith(EncodeCp932(QString(14, QChar(0x3000)) + u"＜性　　格＞"_s)));
}

void TestCommands::aRestartShowsWhatTheLastRunStored() {
    Form1& form = startWithReading();
    Click(form, "btnKioku");
    Click(form, "btnKioku");
    program_->system.colours.answers.push_back(QColor(0x20, 0x40, 0x60));
    Choose(form, "Mnu_iro");
    Choose(form, "Mnu_nen");
    program_->form->close();
    program_->form.reset();

    Form1 again(program_->platform);
    QVERIFY(again.Form_Load());
    QCOMPARE(Find<CaptionLabel>(again, "Label8")->caption(),
             u"前回鑑定記録日時：2026/12/06 7:15:33"_s);
    QCOMPARE(Find<CaptionLabel>(again, "Label9")->caption(), u"鑑定履歴:2件"_s);
    QCOMPARE(again.windowColour().colour(), QColor(0x20, 0x40, 0x60));
    QCOMPARE(again.centralWidget()->palette().color(QPalette::Window), QColor(0x20, 0x40, 0x60));
    QVERIFY(!again.ageHidden());
    QVERIFY(!again.readingPresent());
}

void TestCommands::aRecordCutShortIsGoneAtTheNextStart() {
    Form1& form = startWithReading();
    Click(form, "btnKioku");
    Click(form, "btnKioku");
    program_->form->close();
    program_->form.reset();
    // The power went while a third Record was appending: its journal is there, half its entry,
    // and the count still says 2.
    const QString history = program_->system.folder.historyFilePath(HistoryFileName);
    const QByteArray twoEntries = ReadAll(history);
    QVERIFY(WriteAll(RecordJournalPath(history),
                     EncodeRecordJournal({twoEntries.size(), true, u"3"_s})));
    QVERIFY(WriteAll(history, twoEntries + twoEntries.left(200)));

    Form1 again(program_->platform);
    QVERIFY(again.Form_Load());
    QCOMPARE(ReadAll(history), twoEntries);
    QCOMPARE(Find<CaptionLabel>(again, "Label9")->caption(), u"鑑定履歴:2件"_s);
    QVERIFY(!QFile::exists(RecordJournalPath(history)));
}

void TestCommands::detailShowsTheReading() {
    providePicture(48);
    Form1& form = startWithReading();
    QTest::mouseClick(Find<QPushButton>(form, "Command5"), Qt::LeftButton);
    Form3* detail = form.form3();
    QVERIFY(detail->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(detail));
    QCOMPARE(Find<CaptionLabel>(*detail, "Label12")->caption(), u"山田花子"_s);
    QCOMPARE(Find<CaptionLabel>(*detail, "Label13")->caption(), u"S60/5/12"_s);
    QCOMPARE(Find<CaptionLabel>(*detail, "Label14")->caption(), u"15,183"_s);
    QCOMPARE(Find<CaptionLabel>(*detail, "Label15")->caption(), u"41"_s);
    QCOMPARE(Find<CaptionLabel>(*detail, "Label9")->caption(), u"磁気を帯びたイノシシ"_s);
    QCOMPARE(Find<CaptionLabel>(*detail, "Label5")->caption(), u"2026/12/06 7:15:33"_s);
    QCOMPARE(Find<CaptionLabel>(*detail, "Label1")->caption(), form.currentReading().TypeText);
    QVERIFY(!Find<QLabel>(*detail, "Image2")->pixmap().isNull());
    QCOMPARE(detail->palette().color(QPalette::Window), QColor(255, 192, 192));
    // The main window stays usable.
    QVERIFY(form.isEnabled());
    QVERIFY(!detail->isModal());
}

void TestCommands::detailFollowsTheAgeSwitchAndTheLatestReading() {
    Form1& form = startWithReading();
    Choose(form, "Mnu_nen");
    Click(form, "Command5");
    Form3* detail = form.form3();
    QCOMPARE(Find<CaptionLabel>(*detail, "Label13")->caption(), u"****/5/12"_s);
    QCOMPARE(Find<CaptionLabel>(*detail, "Label14")->caption(), u"*****"_s);
    QCOMPARE(Find<CaptionLabel>(*detail, "Label15")->caption(), u"**"_s);
    QCOMPARE(Find<CaptionLabel>(form, "Label6")->caption(),
             u"磁気を帯びたイノシシ"_s); // the main window shows it all

    // A new reading, a later time and a changed colour: the next Detail shows them all.
    Choose(form, "Mnu_nen");
    EnterBirthDate(form, u"平成"_s, u"1"_s, 1, 8);
    Click(form, "Command1");
    Find<QLineEdit>(form, "Text4")->clear();
    program_->system.clock.set(QDateTime(QDate(2026, 12, 6), QTime(9, 0, 0)));
    program_->system.colours.answers.push_back(QColor(Qt::darkCyan));
    Choose(form, "Mnu_iro");
    QCOMPARE(detail->palette().color(QPalette::Window), QColor(Qt::darkCyan)); // at once
    Click(form, "Command5");
    QCOMPARE(form.form3(), detail);
    QCOMPARE(Find<CaptionLabel>(*detail, "Label9")->caption(), u"山上に舞う龍"_s);
    QCOMPARE(Find<CaptionLabel>(*detail, "Label13")->caption(), u"H1/1/8"_s);
    QCOMPARE(Find<CaptionLabel>(*detail, "Label5")->caption(), u"2026/12/06 9:00:00"_s);
    QVERIFY(Find<CaptionLabel>(*detail, "Label12")->caption().isEmpty());
}

void TestCommands::detailWithoutPictureStillOpens() {
    providePicture(5);
    Form1& form = *program_->form;
    EnterBirthDate(form, u"平成"_s, u"1"_s, 1, 8);
    Click(form, "Command1");
    Click(form, "Command5");
    QVERIFY(!Find<QLabel>(*form.form3(), "Image2")->pixmap().isNull());

    startWithReading(); // type 48, whose picture is not there
    Click(form, "Command5");
    QVERIFY(form.form3()->isVisible());
    QVERIFY(Find<QLabel>(*form.form3(), "Image2")->pixmap().isNull());
    QCOMPARE(Find<CaptionLabel>(*form.form3(), "Label9")->caption(), u"磁気を帯びたイノシシ"_s);
    QVERIFY(program_->system.messages.shown.isEmpty());
}

void TestCommands::printCancelledDoesNothing() {
    Form1& form = startWithReading();
    program_->system.printing.cancel = true;
    Find<QPushButton>(form, "Command4")->setFocus();
    Click(form, "Command4");
    QCOMPARE(program_->system.printing.dialogs, 1);
    QVERIFY(!QFile::exists(program_->system.printing.pdfPath));
    QVERIFY(Find<CaptionLabel>(*form.form3(), "Label9")->caption().isEmpty()); // not filled
    QVERIFY(program_->system.messages.shown.isEmpty());
    QCOMPARE(QApplication::focusWidget(), Find<QPushButton>(form, "Command4"));
}

void TestCommands::printMakesOnePage() {
    providePicture(48);
    Form1& form = startWithReading();
    Click(form, "Command5"); // the detail window is open while printing
    program_->system.clock.set(QDateTime(QDate(2026, 12, 6), QTime(8, 0, 0)));
    Find<QPushButton>(form, "Command4")->setFocus();
    Click(form, "Command4");
    QVERIFY(program_->system.messages.shown.isEmpty());
    QVERIFY(QFileInfo(program_->system.printing.pdfPath).size() > 1000);
    QFile pdf(program_->system.printing.pdfPath);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.readAll().count("/Type /Page\n"), 1);
    // The job is named after the program and the type, as queues and PDF readers show it.
    const QString pdfinfo = QStandardPaths::findExecutable(u"pdfinfo"_s);
    if (!pdfinfo.isEmpty()) {
        QProcess info;
        info.start(pdfinfo, {program_->system.printing.pdfPath});
        QVERIFY(info.waitForFinished(30000));
        QVERIFY2(QString::fromUtf8(info.readAllStandardOutput())
                     .contains(u"ソラニカ - 磁気を帯びたイノシシ"_s),
                 "the print job has no name");
    }
    QVERIFY(form.form3()->isVisible());
    QCOMPARE(Find<CaptionLabel>(*form.form3(), "Label5")->caption(), u"2026/12/06 8:00:00"_s);
    QCOMPARE(QApplication::focusWidget(), Find<QComboBox>(form, "Combo1(0)"));
}

void TestCommands::printWithoutPictureOrPrinterSaysWhy() {
    Form1& form = startWithReading();
    Click(form, "Command4"); // no picture for type 48 beside the program
    QCOMPARE(program_->system.messages.shown.size(), 1);
    QVERIFY(program_->system.messages.shown[0].text.contains(u"Image(48).tkb"_s));
    QVERIFY(!QFile::exists(program_->system.printing.pdfPath));
    QVERIFY(form.form3()->isHidden());

    providePicture(48);
    program_->system.printing.refuse = true;
    Click(form, "Command4");
    QCOMPARE(program_->system.messages.shown.size(), 2);
    QCOMPARE(program_->system.messages.shown[1].icon, Message::Icon::Warning);

    // With no printer set up Windows' dialog closes without a word: the program says it.
    program_->system.printing.refuse = false;
    program_->system.printing.noPrinter = true;
    const int dialogsBefore = program_->system.printing.dialogs;
    Click(form, "Command4");
    QCOMPARE(program_->system.printing.dialogs, dialogsBefore);
    QCOMPARE(program_->system.messages.shown.size(), 3);
    QVERIFY(program_->system.messages.shown[2].text.contains(u"プリンター"_s));
    QCOMPARE(program_->system.messages.shown[2].icon, Message::Icon::Warning);
    QVERIFY(!QFile::exists(program_->system.printing.pdfPath));
}

void TestCommands::clearingTheHistoryResetsTheLabels() {
    Form1& form = startWithReading();
    Click(form, "btnKioku");
    program_->system.messages.answers = {MessageAnswer::Cancel};
    Find<QAction>(form, "Mnu_RirekiClea")->trigger();
    QCOMPARE(Find<CaptionLabel>(form, "Label9")->caption(), u"鑑定履歴:1件"_s);

    Find<QAction>(form, "Mnu_RirekiClea")->trigger();
    QCOMPARE(Find<CaptionLabel>(form, "Label8")->caption(), u"前回鑑定日時："_s);
    QCOMPARE(Find<CaptionLabel>(form, "Label9")->caption(), u"鑑定履歴：0件"_s);
    QVERIFY(form.readingPresent()); // the reading is not touched
}

void TestCommands::viewingTheHistory_data() {
    QTest::addColumn<bool>("apart");
    QTest::newRow("beside the program") << false;
    QTest::newRow("in the user's data folder, as a system install") << true;
}

void TestCommands::viewingTheHistory() {
    QFETCH(bool, apart);
    QTemporaryDir data;
    if (apart)
        program_->system.folder.historyElsewhere = data.filePath(u"soranika"_s);
    const QString folder = program_->system.folder.historyFolder();
    Form1& form = startWithReading();
    Click(form, "btnKioku");
    Find<QAction>(form, "Mnu_Rireki")->trigger();
#ifdef Q_OS_WIN
    // Notepad reads the file as it is, in the ANSI code page of a Japanese Windows.
    QCOMPARE(program_->system.textViewer.opened, QStringList{folder + u"|SanRireki.txt"_s});
    QVERIFY(program_->system.messages.shown.isEmpty());
#else
    // The program's own window shows the history, decoded, the newest entry in view; its button
    // hands the file to the desktop's application.
    HistoryWindow* window = form.historyWindow();
    QVERIFY(window->isVisible());
    QCOMPARE(window->palette().color(QPalette::Window), QColor(255, 192, 192));
    const QString shown = Find<QPlainTextEdit>(*window, "HistoryText")->toPlainText();
    QVERIFY2(shown.contains(u"氏　　名：山田花子"_s), qPrintable(shown));
    QVERIFY(!shown.contains(u'\r'));
    QVERIFY(program_->system.textViewer.opened.isEmpty());
    Find<QPushButton>(*window, "OpenElsewhere")->click();
    QCOMPARE(program_->system.textViewer.opened, QStringList{folder + u"|SanRireki.txt"_s});
    QVERIFY(program_->system.messages.shown.isEmpty());

    // It closes with the main window.
    QPointer<HistoryWindow> closing = window;
    form.close();
    QTRY_VERIFY(closing.isNull() || !closing->isVisible());
#endif
}

void TestCommands::helpReadsTheFileEachTime() {
    Form1& form = *program_->form;
    const QString readme = programFile(u"readme.txt"_s);
    // Shift-JIS "説明" CR LF, a lone LF inside a line, and a last line with no line end.
    QVERIFY(WriteAll(readme, "\x90\xe0\x96\xbe\r\nA\nB\rlast"));
    Find<QAction>(form, "Mnu_setumei")->trigger();
    Form2* help = form.form2();
    QVERIFY(help->isVisible());
    // Every line end shows as a line break, the lone LF too, and the CR LF the command puts after
    // the last line leaves an empty last line.
    const QTextDocument* shown = Find<QPlainTextEdit>(*help, "Text1")->document();
    QCOMPARE(shown->toPlainText(), u"説明\nA\nB\nlast\n"_s);
    QCOMPARE(shown->blockCount(), 5);
    QVERIFY(shown->lastBlock().text().isEmpty());
    QCOMPARE(help->windowTitle(), QString(11, QChar(0x3000)) + u"＊＊　ソラニカの説明　＊＊"_s);

    QVERIFY(WriteAll(readme, ""));
    program_->system.colours.answers.push_back(QColor(Qt::yellow));
    help->close();
    Choose(form, "Mnu_iro");
    Find<QAction>(form, "Mnu_setumei")->trigger();
    QVERIFY(form.form2()->isVisible());
    QVERIFY(Find<QPlainTextEdit>(*form.form2(), "Text1")->toPlainText().isEmpty());
    QCOMPARE(form.form2()->palette().color(QPalette::Window), QColor(Qt::yellow));
}

void TestCommands::helpWithoutFile() {
    Form1& form = *program_->form;
    QVERIFY(WriteAll(programFile(u"readme.txt"_s), "first"));
    Choose(form, "Mnu_setumei");
    QVERIFY(QFile::remove(programFile(u"readme.txt"_s)));
    for (int i = 0; i < 2; ++i)
        Choose(form, "Mnu_setumei");
    QCOMPARE(program_->system.messages.shown.size(), 2);
    QCOMPARE(program_->system.messages.shown[0].text, u"readme.txtがありません。"_s);
    QCOMPARE(program_->system.messages.shown[0].title, u"ソラニカVer1.0"_s);
    QCOMPARE(Find<QPlainTextEdit>(*form.form2(), "Text1")->toPlainText(),
             u"first\n"_s); // the open window keeps its text

    QVERIFY(
        QDir(program_->system.folder.path()).mkdir(u"readme.txt"_s)); // a folder is no help file
    Choose(form, "Mnu_setumei");
    QCOMPARE(program_->system.messages.shown.size(), 3);
}

void TestCommands::aboutWindowAndItsLink() {
    Form1& form = *program_->form;
    Find<QAction>(form, "mnu_ver")->trigger();
    Form4* about = form.form4();
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowTitle(), u"ﾊﾞｰｼﾞｮﾝ"_s);
    QCOMPARE(about->size(), QSize(350, 194));
    QCOMPARE(Find<CaptionLabel>(*about, "Label1")->caption(), u"ソラニカVer1.0"_s);
    QCOMPARE(Find<CaptionLabel>(*about, "Label6")->caption(), u"最 新 情 報"_s);
    QCOMPARE(Find<CaptionLabel>(*about, "Label2(1)")->caption(), u"2000.2.13～"_s);
    QCOMPARE(Find<CaptionLabel>(*about, "Label5")->toolTip(), u"作者のホームページです。"_s);
    QCOMPARE(Find<CaptionLabel>(*about, "Label5")->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(Find<CaptionLabel>(*about, "Label5")->palette().color(QPalette::WindowText),
             QColor(Qt::blue));

    QTest::mouseClick(Find<CaptionLabel>(*about, "Label6"), Qt::LeftButton); // elsewhere: nothing
    QVERIFY(program_->system.addresses.opened.isEmpty());
    // The link shows the home page's address and opens that very address.
    QCOMPARE(Find<CaptionLabel>(*about, "Label5")->caption(), u"https://soranika.example.jp/"_s);
    QTest::mouseClick(Find<CaptionLabel>(*about, "Label5"), Qt::LeftButton);
    QCOMPARE(program_->system.addresses.opened, QStringList{u"https://soranika.example.jp/"_s});
    QVERIFY(program_->system.messages.shown.isEmpty());
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
