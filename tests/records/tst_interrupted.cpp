// Record and 履歴クリア cut short: what each has on the disk at the moment it changes the settings,
// and what the next start makes of what a cut left behind. (tests/powercut/ cuts the real
// commands at every step; these pin each rule down on its own.)

#include "Files.h"
#include "HistoryCommands.h"
#include "HistoryEntry.h"
#include "HistoryFile.h"
#include "HistoryJournal.h"
#include "ProgramSettings.h"
#include "RealFaults.h"
#include "StandIns.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace soranika;
using namespace soranika::testing;
using namespace Qt::StringLiterals;

namespace {

Reading SomeReading() {
    Reading reading;
    reading.TypeText = u"\r\r"_s + QString(380, u'性');
    reading.BirthDateText = u"1985/5/12"_s;
    reading.DaysLived = 100;
    reading.TypeIndex = 48;
    reading.TypeTitle = u"孫悟空"_s;
    return reading;
}

QByteArray EntryAt(const QString& time) {
    return EncodeHistoryEntry(HistoryEntryLines(SomeReading(), {}, {}, time));
}

const QString RecordTime = u"2026/12/06 7:15:33"_s; // the stand-in clock's

} // namespace

class TestInterrupted : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void journalSurvivesOnlyWhole();
    void recordNotesItsJournalBeforeTheCount_data();
    void recordNotesItsJournalBeforeTheCount();
    void recordWhoseCountCannotBeStoredLeavesNoJournal();
    void clearHasItsEmptiedFileReadyBeforeTheSettings();

    void startUndoesARecordCutShort_data();
    void startUndoesARecordCutShort();
    void startUndoesARecordThroughALink();
    void startFinishesOrDropsAClearCutShort_data();
    void startFinishesOrDropsAClearCutShort();
    void startLeavesWhatIsNotTheProgramsAlone();

private:
    QString historyPath() const { return system_->folder.historyFilePath(HistoryFileName); }
    QStringList filesBesideTheHistory() const {
        return QDir(system_->folder.path()).entryList(QDir::Files | QDir::Hidden);
    }
    void finishAtStart() { FinishInterruptedHistoryChange(historyPath(), system_->settings); }

    std::unique_ptr<StandInPlatform> system_;
    std::unique_ptr<Platform> platform_;
};

void TestInterrupted::init() {
    system_ = std::make_unique<StandInPlatform>();
    platform_ = std::make_unique<Platform>(system_->platform());
}

void TestInterrupted::cleanup() {
    platform_.reset();
    system_.reset();
}

void TestInterrupted::journalSurvivesOnlyWhole() {
    for (const RecordJournal& journal :
         {RecordJournal{12345, true, u"6"_s}, RecordJournal{0, false, u"1"_s},
          RecordJournal{0, true, u"100000000000000000000"_s}}) {
        const QByteArray bytes = EncodeRecordJournal(journal);
        const auto decoded = DecodeRecordJournal(bytes);
        QVERIFY(decoded);
        QCOMPARE(decoded->lengthBefore, journal.lengthBefore);
        QCOMPARE(decoded->existed, journal.existed);
        QCOMPARE(decoded->count, journal.count);
        // A cut while it was written leaves a prefix, or its full size with zeros at the end.
        for (qsizetype kept = 0; kept < bytes.size(); ++kept) {
            QVERIFY2(!DecodeRecordJournal(bytes.left(kept)), bytes.left(kept).constData());
            QVERIFY(!DecodeRecordJournal(bytes.left(kept) + QByteArray(bytes.size() - kept, 0)));
        }
    }
}

void TestInterrupted::recordNotesItsJournalBeforeTheCount_data() {
    QTest::addColumn<QByteArray>("before"); // "(none)" for no history file
    QTest::newRow("no history yet") << QByteArray("(none)");
    QTest::newRow("empty history") << QByteArray();
    QTest::newRow("earlier entries") << QByteArray("earlier\r\n");
}

void TestInterrupted::recordNotesItsJournalBeforeTheCount() {
    QFETCH(QByteArray, before);
    const bool existed = before != "(none)";
    if (existed)
        QVERIFY(WriteAll(historyPath(), before));
    auto& store = system_->settings;
    store.store(ProgramSettings::RecordCountKey, u"5"_s);
    const QString journalPath = RecordJournalPath(historyPath());
    // When the count is about to change, the entry is in and the journal says how to undo it.
    bool looked = false;
    store.beforeWrite = [&] {
        looked = true;
        QCOMPARE(ReadAll(historyPath()), (existed ? before : QByteArray()) + EntryAt(RecordTime));
        const auto journal = DecodeRecordJournal(ReadAll(journalPath));
        QVERIFY(journal);
        QCOMPARE(journal->lengthBefore, existed ? before.size() : 0);
        QCOMPARE(journal->existed, existed);
        QCOMPARE(journal->count, u"6"_s);
    };
    QVERIFY(RecordReading(SomeReading(), {}, {}, *platform_, nullptr));
    QVERIFY(looked);
    QCOMPARE(store.writes, 1); // the count and the time in one step
    QCOMPARE(filesBesideTheHistory(), QStringList{HistoryFileName});
}

void TestInterrupted::recordWhoseCountCannotBeStoredLeavesNoJournal() {
    // The user is told that the entry stays; no later start may take it away again.
    QVERIFY(WriteAll(historyPath(), "earlier\r\n"));
    auto& store = system_->settings;
    store.store(ProgramSettings::RecordCountKey, u"5"_s);
    store.failWrites = true;
    QVERIFY(!RecordReading(SomeReading(), {}, {}, *platform_, nullptr));
    QCOMPARE(filesBesideTheHistory(), QStringList{HistoryFileName});
    finishAtStart();
    QCOMPARE(ReadAll(historyPath()), "earlier\r\n" + EntryAt(RecordTime));
}

void TestInterrupted::clearHasItsEmptiedFileReadyBeforeTheSettings() {
    QVERIFY(WriteAll(historyPath(), "history\r\n"));
    auto& store = system_->settings;
    store.store(ProgramSettings::RecordCountKey, u"3"_s);
    store.store(ProgramSettings::RecordTimeKey, RecordTime);
    const QString pending = PendingReplacementPath(historyPath());
    int writes = 0;
    store.beforeWrite = [&] {
        ++writes;
        QCOMPARE(ReadAll(historyPath()), QByteArray("history\r\n"));
        QCOMPARE(ReadAll(pending), EmptiedHistory);
    };
    ClearHistory(*platform_, nullptr, [](const StatusTexts&) {});
    QCOMPARE(writes, 1); // both settings in one step
    QCOMPARE(ReadAll(historyPath()), EmptiedHistory);
    QCOMPARE(filesBesideTheHistory(), QStringList{HistoryFileName});

    // A clear whose settings cannot be stored takes its emptied file away again.
    QVERIFY(WriteAll(historyPath(), "history\r\n"));
    store.beforeWrite = {};
    store.failWrites = true;
    ClearHistory(*platform_, nullptr, [](const StatusTexts&) {});
    QCOMPARE(ReadAll(historyPath()), QByteArray("history\r\n"));
    QCOMPARE(filesBesideTheHistory(), QStringList{HistoryFileName});
}

void TestInterrupted::startUndoesARecordCutShort_data() {
    QTest::addColumn<QByteArray>("before"); // "(none)" for no history file
    QTest::addColumn<QByteArray>("onDisk"); // what the cut left after `before`
    QTest::addColumn<QString>("storedCount");
    QTest::addColumn<QByteArray>("after"); // "(none)" for no history file

    const QByteArray entry = EntryAt(RecordTime);
    const QByteArray earlier = "earlier\r\n";
    QTest::newRow("half an entry, not counted")
        << earlier << entry.left(entry.size() / 2) << u"5"_s << earlier;
    QTest::newRow("the whole entry, not counted") << earlier << entry << u"5"_s << earlier;
    QTest::newRow("zeros where the entry was going")
        << earlier << QByteArray(entry.size(), 0) << u"5"_s << earlier;
    QTest::newRow("the whole entry, counted") << earlier << entry << u"6"_s << earlier + entry;
    QTest::newRow("nothing of the entry") << earlier << QByteArray() << u"5"_s << earlier;
    QTest::newRow("a first Record, not counted")
        << QByteArray("(none)") << entry.left(100) << u"5"_s << QByteArray("(none)");
    QTest::newRow("a first Record's empty file")
        << QByteArray("(none)") << QByteArray() << u"5"_s << QByteArray("(none)");
    QTest::newRow("a first Record, counted") << QByteArray("(none)") << entry << u"6"_s << entry;
}

void TestInterrupted::startUndoesARecordCutShort() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, onDisk);
    QFETCH(QString, storedCount);
    QFETCH(QByteArray, after);
    const bool existed = before != "(none)";
    const QByteArray earlier = existed ? before : QByteArray();
    QVERIFY(WriteAll(historyPath(), earlier + onDisk));
    QVERIFY(WriteAll(RecordJournalPath(historyPath()),
                     EncodeRecordJournal({earlier.size(), existed, u"6"_s})));
    system_->settings.store(ProgramSettings::RecordCountKey, storedCount);

    finishAtStart();
    if (after == "(none)")
        QVERIFY(!QFileInfo::exists(historyPath()));
    else
        QCOMPARE(ReadAll(historyPath()), after);
    QVERIFY(!QFileInfo::exists(RecordJournalPath(historyPath())));
    QCOMPARE(system_->settings.writes, 0); // the settings are the decision, never changed here
}

void TestInterrupted::startUndoesARecordThroughALink() {
    if (const Result<> made = CanFollowSymbolicLinks(); made.failed())
        QSKIP(qPrintable(made.reason()));
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(u"history.txt"_s);
    QVERIFY(WriteAll(target, "earlier\r\nhalf an ent"));
    QVERIFY(QFile::link(target, historyPath()));
    QVERIFY(WriteAll(RecordJournalPath(target), EncodeRecordJournal({9, true, u"1"_s})));
    finishAtStart();
    QCOMPARE(ReadAll(target), QByteArray("earlier\r\n"));
    QVERIFY(QFileInfo(historyPath()).isSymLink());
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{u"history.txt"_s});
}

void TestInterrupted::startFinishesOrDropsAClearCutShort_data() {
    QTest::addColumn<QByteArray>("pending"); // the emptied file as the cut left it
    QTest::addColumn<bool>("settingsCleared");
    QTest::addColumn<QByteArray>("after");
    const QByteArray history = "history\r\n";
    QTest::newRow("cleared: finished") << EmptiedHistory << true << EmptiedHistory;
    QTest::newRow("cleared, emptied file cut short: finished")
        << QByteArray() << true << EmptiedHistory;
    QTest::newRow("not yet cleared: dropped") << EmptiedHistory << false << history;
    QTest::newRow("not yet cleared, cut short: dropped") << QByteArray("\r") << false << history;
}

void TestInterrupted::startFinishesOrDropsAClearCutShort() {
    QFETCH(QByteArray, pending);
    QFETCH(bool, settingsCleared);
    QFETCH(QByteArray, after);
    QVERIFY(WriteAll(historyPath(), "history\r\n"));
    QVERIFY(WriteAll(PendingReplacementPath(historyPath()), pending));
    auto& store = system_->settings;
    store.store(ProgramSettings::RecordCountKey, settingsCleared ? QString() : u"3"_s);
    store.store(ProgramSettings::RecordTimeKey, settingsCleared ? QString() : RecordTime);
    finishAtStart();
    QCOMPARE(ReadAll(historyPath()), after);
    QCOMPARE(filesBesideTheHistory(), QStringList{HistoryFileName});
}

void TestInterrupted::startLeavesWhatIsNotTheProgramsAlone() {
    // Nothing to finish: the history is not read, let alone changed.
    QVERIFY(WriteAll(historyPath(), "history, hand-edited\r\n"));
    system_->settings.store(ProgramSettings::RecordCountKey, u"9"_s);
    finishAtStart();
    QCOMPARE(ReadAll(historyPath()), QByteArray("history, hand-edited\r\n"));

    // A named pipe where the journal would be is not the program's: it is neither read (which
    // would wait for a writer) nor removed.
    const QString journal = RecordJournalPath(historyPath());
    if (const Result<> made = MakeNamedPipe(journal); made.failed())
        QSKIP(qPrintable(made.reason()));
    finishAtStart();
    QVERIFY(QFileInfo::exists(journal));
    QCOMPARE(ReadAll(historyPath()), QByteArray("history, hand-edited\r\n"));
}

QTEST_GUILESS_MAIN(TestInterrupted)
#include "tst_interrupted.moc"
