// The history as the program shows it: the file read back from what Record wrote, its line ends,
// files that are missing, no file or too large, and the window that shows it.

#include "CaptionLabel.h"
#include "Files.h"
#include "FindControl.h"
#include "Fonts.h"
#include "HistoryEntry.h"
#include "HistoryText.h"
#include "HistoryWindow.h"
#include "JapaneseFonts.h"
#include "Readings.h"
#include "RealFaults.h"
#include "RegularFile.h"
#include "TypeTable.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace soranika;
using namespace soranika::testing;
using namespace Qt::StringLiterals;

namespace {

struct Entry {
    QStringList lines;
    QByteArray bytes;
};

Entry RecordedEntry(int type, const QString& name, const QString& memo, const QString& when) {
    Entry entry;
    entry.lines = HistoryEntryLines(ReadingOfType(type, u"S60/5/12"_s, 12345), name, memo, when);
    entry.bytes = EncodeHistoryEntry(entry.lines);
    return entry;
}

// Three entries as Record writes them, one name outside JIS X 0208 (髙 is one of the IBM
// extensions of code page 932).
QList<Entry> SampleEntries() {
    return {RecordedEntry(48, u"山田花子"_s, u"長女"_s, u"2026/12/06 7:15:33"_s),
            RecordedEntry(3, u"髙橋一郎"_s, u"父"_s, u"2026/12/06 7:16:02"_s),
            RecordedEntry(27, u"佐藤美咲"_s, QString(), u"2026/12/07"_s)};
}

// What a person sees of an entry: every CR in a line starts a new line, as in the main window.
QString ShownLines(const QStringList& lines) {
    QString shown;
    for (const QString& line : lines)
        shown += line.split(u'\r').join(u'\n') + u'\n';
    return shown;
}

// The history as shown, of a read that must not fail: a failure fails the test.
HistoryText ReadShown(const QString& path, qint64 largestShown = LargestHistoryShown) {
    const Result<HistoryText> read = ReadHistoryForDisplay(path, largestShown);
    if (!read.failed())
        return read.value();
    QTest::qFail(qPrintable(u"the history could not be read: "_s + read.reason()), __FILE__,
                 __LINE__);
    return {};
}

// Why a read that must fail failed: empty, and the test failed, when it did not.
QString ReadFailure(const QString& path) {
    const Result<HistoryText> read = ReadHistoryForDisplay(path);
    if (read.failed())
        return read.reason();
    QTest::qFail("the history was read, where it must not be", __FILE__, __LINE__);
    return {};
}

} // namespace

class TestHistoryWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void recordedEntriesReadBack();
    void lineEnds_data();
    void lineEnds();
    void emptyAndMissingFiles();
    void unreadablePathIsAProblemNotMissing();
    void noRegularFileIsRefusedAtOnce();
    void largeFileShowsItsNewestLines_data();
    void largeFileShowsItsNewestLines();
    void lineLongerThanTheLimitShowsNothing();
    void hugeFileIsReadOnlyAtItsEnd();

    void windowShowsTheHistoryAtItsEnd();
    void windowIsAFixedReadOnlyWindow();
    void notes_data();
    void notes();
    void openButtonAsksTheMainWindow();

private:
    QTemporaryDir folder_;
    QString path() const { return folder_.filePath(HistoryFileName); }
    bool fonts_ = false;
};

void TestHistoryWindow::initTestCase() {
    QVERIFY(folder_.isValid());
    fonts_ = MissingJapaneseFonts().isEmpty();
    InstallFontSubstitutions();
}

void TestHistoryWindow::recordedEntriesReadBack() {
    QByteArray bytes;
    QString expected;
    for (const Entry& entry : SampleEntries()) {
        bytes += entry.bytes;
        expected += ShownLines(entry.lines);
    }
    QVERIFY(WriteAll(path(), bytes));
    const HistoryText history = ReadShown(path());
    QVERIFY(!history.missing && !history.shortened);
    QCOMPARE(history.fileSize, bytes.size());
    QCOMPARE(history.text, expected);
    QVERIFY(!history.text.contains(u'\r'));
    const QStringList lines = history.text.split(u'\n');
    QCOMPARE(lines[2], u"氏　　名：山田花子"_s);
    // Each of the two CRs that lead the prose ends a line of its own.
    QCOMPARE(lines[10], QString());
    QCOMPARE(lines[11], QString());
    QVERIFY(lines[12].startsWith(u'\u3000'));
    QVERIFY(history.text.contains(u"氏　　名：髙橋一郎\n"_s));
}

void TestHistoryWindow::lineEnds_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CR LF") << "a\r\nb\r\n"_ba << u"a\nb\n"_s;
    QTest::newRow("lone LF") << "a\nb\n\nc"_ba << u"a\nb\n\nc"_s;
    QTest::newRow("lone CR") << "a\rb\r"_ba << u"a\nb\n"_s;
    QTest::newRow("CR before CR LF") << "\r\r\r\n"_ba << u"\n\n\n"_s;
    QTest::newRow("LF CR is two ends") << "a\n\rb"_ba << u"a\n\nb"_s;
    // 0x5C is the second byte of ソ, and must not come out as a backslash.
    QTest::newRow("code page 932") << "\x83\x5C\x83\x89\r\n"_ba << u"ソラ\n"_s;
}

void TestHistoryWindow::lineEnds() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QVERIFY(WriteAll(path(), bytes));
    QCOMPARE(ReadShown(path()).text, shown);
}

void TestHistoryWindow::emptyAndMissingFiles() {
    QVERIFY(WriteAll(path(), {}));
    const HistoryText empty = ReadShown(path());
    QVERIFY(empty.text.isEmpty() && !empty.missing);

    QVERIFY(QFile::remove(path()));
    const HistoryText missing = ReadShown(path());
    QVERIFY(missing.missing);
    QVERIFY(missing.text.isEmpty() && !missing.shortened);

    // Record writes through a link to a file not made yet: there is no history yet either.
    if (const Result<> made = CanFollowSymbolicLinks(); made.failed())
        QSKIP(qPrintable(made.reason()));
    QVERIFY(QFile::link(folder_.filePath(u"not-yet"_s), path()));
    QVERIFY(ReadShown(path()).missing);
    QVERIFY(QFile::remove(path()));
}

void TestHistoryWindow::unreadablePathIsAProblemNotMissing() {
    // A file standing where a folder should be: the history may exist, it only cannot be read.
#ifdef Q_OS_WIN
    QSKIP("Windows answers a file standing where a folder should be with ERROR_PATH_NOT_FOUND, "
          "exactly as it answers a missing folder");
#endif
    const QString notAFolder = folder_.filePath(u"plain"_s);
    QVERIFY(WriteAll(notAFolder, "x"_ba));
    QCOMPARE(ReadFailure(notAFolder + u'/' + HistoryFileName), SystemReason(ENOTDIR));
}

void TestHistoryWindow::noRegularFileIsRefusedAtOnce() {
    QVERIFY(QDir(folder_.path()).mkdir(HistoryFileName));
    QCOMPARE(ReadFailure(path()), NotARegularFileReason());
    QVERIFY(QDir(folder_.path()).rmdir(HistoryFileName));

    if (const Result<> made = CanLinkEndlessDevice(); made.failed())
        QSKIP(qPrintable(made.reason()));
    QVERIFY(QFile::link(u"/dev/zero"_s, path()));
    QCOMPARE(ReadFailure(path()), NotARegularFileReason());
    QVERIFY(QFile::remove(path()));

    // Nobody writes into the pipe: reading it would wait for ever.
    if (const Result<> made = MakeNamedPipe(path()); made.failed())
        QSKIP(qPrintable(made.reason()));
    const QString pipe = ReadFailure(path());
    QVERIFY(QFile::remove(path()));
    QCOMPARE(pipe, NotARegularFileReason());
}

void TestHistoryWindow::largeFileShowsItsNewestLines_data() {
    // Where the cut falls in the last entry, and where the part shown must start instead.
    QTest::addColumn<QByteArray>("cutAfter");
    QTest::addColumn<int>("cutOffset");
    QTest::addColumn<QByteArray>("startAfter");
    QTest::addColumn<int>("startOffset");
    const QByteArray heading = EncodeHistoryEntry({u"＊ソラニカ鑑定結果＊"_s}).chopped(2);
    const QByteArray headingLine = heading + "\r\n"_ba;
    QTest::newRow("inside a character") << heading << -1 << headingLine << 0;
    QTest::newRow("between CR and LF") << heading + "\r"_ba << 0 << headingLine << 0;
    QTest::newRow("at a line start") << headingLine << 0 << headingLine << 0;
    // The first of the two CRs before the prose ends a line, and so the second starts one.
    QTest::newRow("between the two CRs") << "\r\n\r\r"_ba << -1 << "\r\n\r\r"_ba << -1;
}

void TestHistoryWindow::largeFileShowsItsNewestLines() {
    QFETCH(QByteArray, cutAfter);
    QFETCH(int, cutOffset);
    QFETCH(QByteArray, startAfter);
    QFETCH(int, startOffset);
    QByteArray bytes;
    for (const Entry& entry : SampleEntries())
        bytes += entry.bytes;
    const qsizetype lastEntry = bytes.size() - SampleEntries().last().bytes.size();
    const qsizetype cut = bytes.indexOf(cutAfter, lastEntry) + cutAfter.size() + cutOffset;
    const qsizetype start = bytes.indexOf(startAfter, lastEntry) + startAfter.size() + startOffset;
    QVERIFY(cut > lastEntry && start >= cut);
    QVERIFY(WriteAll(path(), bytes.sliced(start)));
    const QString expected = ReadShown(path()).text;

    QVERIFY(WriteAll(path(), bytes));
    const HistoryText history = ReadShown(path(), bytes.size() - cut);
    QVERIFY(history.shortened && !history.missing);
    QCOMPARE(history.fileSize, bytes.size());
    QCOMPARE(history.shownSize, bytes.size() - start);
    QCOMPARE(history.text, expected);
    QVERIFY(!history.text.contains(QChar::ReplacementCharacter));

    // Exactly at the limit nothing is left out.
    const HistoryText whole = ReadShown(path(), bytes.size());
    QVERIFY(!whole.shortened);
    QVERIFY(whole.text.endsWith(history.text));
    QCOMPARE(whole.shownSize, bytes.size());
}

void TestHistoryWindow::lineLongerThanTheLimitShowsNothing() {
    // No line begins in the last ten bytes: any of them would show half a line.
    QVERIFY(WriteAll(path(), EncodeHistoryEntry({u"備　　考："_s + QString(40, u'長')})));
    const HistoryText history = ReadShown(path(), 10);
    QVERIFY(history.shortened);
    QVERIFY(history.text.isEmpty());
    QCOMPARE(history.shownSize, 0);
}

void TestHistoryWindow::hugeFileIsReadOnlyAtItsEnd() {
    // Three gigabytes of history, most of it a hole that takes no disk: read whole, it would not
    // fit in the memory of many machines, nor in a QByteArray.
    const qint64 hole = qint64(3) << 30;
    const Entry last = SampleEntries().last();
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (!file.resize(hole))
            QSKIP("this file system cannot make a file with a hole");
        QVERIFY(file.seek(hole));
        QVERIFY(file.write("\r\n" + last.bytes) > 0);
    }
    const HistoryText history = ReadShown(path());
    QVERIFY(QFile::remove(path()));
    QVERIFY(history.shortened);
    QCOMPARE(history.fileSize, hole + 2 + last.bytes.size());
    QCOMPARE(history.shownSize, last.bytes.size());
    QCOMPARE(history.text, ShownLines(last.lines));
}

void TestHistoryWindow::windowShowsTheHistoryAtItsEnd() {
    if (!fonts_)
        QSKIP(qPrintable(MissingJapaneseFonts()));
    QByteArray bytes;
    for (int round = 0; round < 4; ++round)
        for (const Entry& entry : SampleEntries())
            bytes += entry.bytes;
    QVERIFY(WriteAll(path(), bytes));
    const HistoryText history = ReadShown(path());
    HistoryWindow window;
    const QColor pink(255, 192, 192);
    window.showHistory(history, HistoryFileName, pink);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.windowTitle(), u"SanRireki.txt - ソラニカ"_s);
    auto* text = Find<QPlainTextEdit>(window, "HistoryText");
    QCOMPARE(text->toPlainText(), history.text);
    QScrollBar* bar = text->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(Find<CaptionLabel>(window, "HistoryNote")->caption(), QString());
    QCOMPARE(window.palette().color(QPalette::Window), pink);

    // The text box stays white on the coloured window.
    const QImage picture = window.grab().toImage();
    const QPoint insideBox = text->geometry().topLeft() + QPoint(3, 3);
    QCOMPARE(picture.pixelColor(insideBox), QColor(Qt::white));
    QCOMPARE(picture.pixelColor(2, 2), pink);
    // SORANIKA_TEST_OUTPUT=folder keeps a picture of the window, for a person to look at.
    if (const QString keep = qEnvironmentVariable("SORANIKA_TEST_OUTPUT"); !keep.isEmpty())
        QVERIFY(picture.save(keep + u"/history-window.png"_s));

    // Shown again while open, after the user scrolled up: at the newest entry again.
    bar->setValue(0);
    bytes += SampleEntries().first().bytes;
    QVERIFY(WriteAll(path(), bytes));
    window.showHistory(ReadHistoryForDisplay(path()), HistoryFileName, pink);
    QCOMPARE(bar->value(), bar->maximum());

    // Closed at the top, more recorded, shown again.
    bar->setValue(0);
    window.close();
    bytes += SampleEntries().last().bytes;
    QVERIFY(WriteAll(path(), bytes));
    const HistoryText longer = ReadShown(path());
    window.showHistory(longer, HistoryFileName, pink);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(text->toPlainText(), longer.text);
    QCOMPARE(bar->value(), bar->maximum());
}

void TestHistoryWindow::windowIsAFixedReadOnlyWindow() {
    HistoryWindow window;
    QCOMPARE(window.objectName(), u"HistoryWindow"_s);
    QCOMPARE(window.minimumSize(), window.maximumSize());
    auto* text = Find<QPlainTextEdit>(window, "HistoryText");
    QVERIFY(text->isReadOnly());
    window.showHistory(HistoryText{.text = u"鑑定\n"_s}, HistoryFileName, Qt::white);
    text->moveCursor(QTextCursor::Start);
    QTest::keyClicks(text, u"abc"_s);
    QTest::keyClick(text, Qt::Key_Delete);
    QCOMPARE(text->toPlainText(), u"鑑定\n"_s);
    for (const char* name : {"HistoryText", "HistoryNote", "OpenElsewhere"})
        QVERIFY2(!Find<QWidget>(window, name)->accessibleName().isEmpty(), name);
}

void TestHistoryWindow::notes_data() {
    QTest::addColumn<bool>("missing");
    QTest::addColumn<bool>("shortened");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("says");
    QTest::newRow("entries") << false << false << QString() << u"鑑定\n"_s << QString();
    QTest::newRow("missing") << true << false << QString() << QString()
                             << u"履歴ファイルはまだありません"_s;
    QTest::newRow("emptied") << false << false << QString() << u"\n"_s << u"記録はありません"_s;
    QTest::newRow("shortened") << false << true << QString() << u"鑑定\n"_s
                               << u"古い記録は省略しています（全 2.0 GB のうち最新の 4.0 MB"_s;
    QTest::newRow("no file") << false << false << NotARegularFileReason() << QString()
                             << NotARegularFileReason();
}

void TestHistoryWindow::notes() {
    QFETCH(bool, missing);
    QFETCH(bool, shortened);
    QFETCH(QString, problem);
    QFETCH(QString, text);
    QFETCH(QString, says);
    HistoryWindow window;
    const HistoryText shown{.text = text,
                            .missing = missing,
                            .shortened = shortened,
                            .fileSize = qint64(2) << 30,
                            .shownSize = LargestHistoryShown - 100};
    window.showHistory(problem.isEmpty() ? Result<HistoryText>(shown) : Failure{problem},
                       HistoryFileName, Qt::white);
    const QString note = Find<CaptionLabel>(window, "HistoryNote")->caption();
    QCOMPARE(Find<CaptionLabel>(window, "HistoryNote")->accessibleDescription(), note);
    if (says.isEmpty())
        QCOMPARE(note, QString());
    else
        QVERIFY2(note.contains(says), qPrintable(note));
}

void TestHistoryWindow::openButtonAsksTheMainWindow() {
    HistoryWindow window;
    QSignalSpy opened(&window, &HistoryWindow::openRequested);
    auto* button = Find<QPushButton>(window, "OpenElsewhere");
    QVERIFY(button->text().contains(u"開く"_s));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(opened.count(), 1);
    // The access key presses the button as a person would see it pressed, a moment later.
    QTest::keyClick(window.windowHandle(), Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(opened.count(), 2);
}

QTEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
