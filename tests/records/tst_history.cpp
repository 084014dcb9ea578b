// Record, history view and clear: the bytes of an entry, the counting in the settings, and what
// happens when the file cannot be written.

#include "Files.h"
#include "HistoryCommands.h"
#include "HistoryEntry.h"
#include "HistoryFile.h"
#include "MessageBoxes.h"
#include "ProgramSettings.h"
#include "RealFaults.h"
#include "RegularFile.h"
#include "StandIns.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <optional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace soranika;
using namespace soranika::testing;
using namespace Qt::StringLiterals;

namespace {

// The prose of these tests: an ideographic space, then one sentence over and over.
QString Prose(qsizetype length) {
    QString prose = u"\u3000"_s;
    while (prose.size() < length)
        prose += u"磁石のように人を引き寄せる性格です。"_s;
    return prose.left(length);
}

Reading MakeReading(qsizetype proseLength, const QString& birth, qint64 days,
                    const QString& title) {
    Reading reading;
    reading.TypeText = u"\r\r"_s + Prose(proseLength);
    reading.BirthDateText = birth;
    reading.MaskedBirthDate = u"****/5/12"_s;
    reading.DaysLived = days;
    reading.TypeIndex = 48;
    reading.TypeTitle = title;
    return reading;
}

#ifdef Q_OS_UNIX
// Limits the size of any file this process writes, for as long as it lives.
class FileSizeLimit {
public:
    static constexpr const char* Unavailable = nullptr;

    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of killing us
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};
#else
class FileSizeLimit {
public:
    static constexpr const char* Unavailable =
        "Windows cannot limit the size of the files a process writes (no RLIMIT_FSIZE)";

    explicit FileSizeLimit(qint64) {}
};
#endif

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pieces_data();
    void pieces();
    void goldenEntries_data();
    void goldenEntries();

    void firstRecordCreatesTheFile();
    void recordCountsOnFromTheStore_data();
    void recordCountsOnFromTheStore();
    void recordAppendsAfterEarlierContent();
    void recordIntoAFolderFails();
    void recordOnAFullDiskLeavesTheFileAsItWas();
    void recordThatCannotCreateTheFileLeavesNoFile();
    void recordOnADiskThatFillsPartWayGivesTheReason();
    void recordIntoANamedPipeFailsAtOnce();
    void recordThroughLinks();
    void failedRecordThroughADanglingLinkLeavesTheLink();
    void recordWhoseSettingsCannotBeSaved_data();
    void recordWhoseSettingsCannotBeSaved();

    void clearAfterCancelChangesNothing();
    void clearEmptiesTheHistory();
    void clearThenRecord();
    void clearThatCannotWrite();
    void clearOnAFullDiskChangesNothing();
    void clearWhoseSettingsCannotBeSavedChangesNothing();
    void clearThroughALinkKeepsTheLink();
    void clearLeavesANamedPipeAlone();
    void clearWhoseFileCannotBeReplacedPutsTheSettingsBack();
    void pendingReplacement();
    void statusTexts();
    void viewStartsTheEditorOrSaysWhy();
    void historyApartFromTheProgramFiles();
    void historyFolderThatCannotBeMade();

private:
    std::unique_ptr<StandInPlatform> system_;
    std::unique_ptr<Platform> platform_;
    QString historyPath() const { return system_->folder.historyFilePath(HistoryFileName); }
};

void TestHistory::init() {
    system_ = std::make_unique<StandInPlatform>();
    platform_ = std::make_unique<Platform>(system_->platform());
}

void TestHistory::cleanup() {
    platform_.reset();
    system_.reset();
}

void TestHistory::pieces_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("pieces");
    QTest::addColumn<int>("last");
    QTest::newRow("366") << 366 << 10 << 6;
    QTest::newRow("400, a multiple of 40") << 400 << 10 << 40;
    QTest::newRow("416") << 416 << 11 << 16;
    QTest::newRow("40") << 40 << 1 << 40;
    QTest::newRow("empty") << 0 << 0 << 0;
}

void TestHistory::pieces() {
    QFETCH(int, length);
    QFETCH(int, pieces);
    QFETCH(int, last);
    const QString text = u"\r\r"_s + Prose(length - 2);
    const QStringList cut = CutIntoPieces(length == 0 ? QString() : text);
    QCOMPARE(cut.size(), pieces);
    if (pieces > 0) {
        QCOMPARE(cut.last().size(), last);
        QCOMPARE(cut.join(QString()), text);
        QVERIFY(cut.first().startsWith(u"\r\r\u3000"_s));
    }
}

void TestHistory::goldenEntries_data() {
    // The golden files were written by an independent code page 932 encoder (Python's cp932).
    QTest::addColumn<QString>("golden");
    QTest::addColumn<int>("proseLength");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("birth");
    QTest::addColumn<qint64>("days");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("when");
    QTest::newRow("366 characters")
        << u"entry-366.txt"_s << 364 << u"山田　花子"_s << u"長女"_s << u"S60/5/12"_s
        << qint64(12345) << u"磁気を帯びたイノシシ"_s << u"2026/12/06 7:15:33"_s;
    QTest::newRow("400 characters, empty name and memo, future birth")
        << u"entry-400.txt"_s << 398 << QString() << QString() << u"2030/1/1"_s << qint64(-1234)
        << u"孫悟空"_s << u"2026/12/07"_s;
    QTest::newRow("416 characters, name outside code page 932")
        << u"entry-416.txt"_s << 414 << u"高橋\U0001F600é"_s << u"メモ①"_s << u"H1/1/8"_s
        << qint64(0) << u"時を刻む不死鳥"_s << u"2026/01/02 23:59:59"_s;
}

void TestHistory::goldenEntries() {
    QFETCH(QString, golden);
    QFETCH(int, proseLength);
    QFETCH(QString, name);
    QFETCH(QString, memo);
    QFETCH(QString, birth);
    QFETCH(qint64, days);
    QFETCH(QString, title);
    QFETCH(QString, when);
    const Reading reading = MakeReading(proseLength, birth, days, title);
    const QByteArray expected = ReadAll(QStringLiteral(SORANIKA_GOLDEN_DIR "/") + golden);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(EncodeHistoryEntry(HistoryEntryLines(reading, name, memo, when)), expected);
}

void TestHistory::firstRecordCreatesTheFile() {
    const Reading reading = MakeReading(364, u"S60/5/12"_s, 12345, u"磁気を帯びたイノシシ"_s);
    const auto status = RecordReading(reading, u"山田　花子"_s, u"長女"_s, *platform_, nullptr);
    QVERIFY(status);
    QCOMPARE(status->dateLabel, u"前回鑑定日時：2026/12/06 7:15:33"_s);
    QCOMPARE(status->countLabel, u"鑑定履歴:1件"_s);
    QCOMPARE(ReadAll(historyPath()), ReadAll(QStringLiteral(SORANIKA_GOLDEN_DIR "/entry-366.txt")));
    auto& store = system_->settings;
    QCOMPARE(store.stored(ProgramSettings::RecordCountKey), u"1"_s);
    QCOMPARE(store.stored(ProgramSettings::RecordTimeKey), u"2026/12/06 7:15:33"_s);
    QCOMPARE(store.writtenKeys, (QStringList{u"Rireki"_s, u"Time"_s}));
    QVERIFY(system_->messages.shown.isEmpty());
    QCOMPARE(system_->folder.madeWorking, 1);
}

void TestHistory::recordCountsOnFromTheStore_data() {
    QTest::addColumn<QString>("stored"); // "(absent)" for none
    QTest::addColumn<QString>("next");
    QTest::newRow("absent") << u"(absent)"_s << u"1"_s;
    QTest::newRow("cleared") << QString() << u"1"_s;
    QTest::newRow("5") << u"5"_s << u"6"_s;
    QTest::newRow("99") << u"99"_s << u"100"_s;
    QTest::newRow("edited by hand") << u"abc"_s << u"1"_s;
    QTest::newRow("negative") << u"-3"_s << u"1"_s;
    QTest::newRow("sign") << u"+3"_s << u"1"_s;
    QTest::newRow("past 64 bits") << u"99999999999999999999"_s << u"100000000000000000000"_s;
    QTest::newRow("largest 64-bit number") << u"9223372036854775807"_s << u"9223372036854775808"_s;
    QTest::newRow("zero") << u"0"_s << u"1"_s;
    QTest::newRow("leading zeros") << u"0099"_s << u"100"_s;
    QTest::newRow("ten thousand nines") << QString(10000, u'9') << u"1"_s + QString(10000, u'0');
    QTest::newRow("full-width digits") << u"５"_s << u"1"_s;
}

void TestHistory::recordCountsOnFromTheStore() {
    QFETCH(QString, stored);
    QFETCH(QString, next);
    if (stored != u"(absent)")
        system_->settings.store(ProgramSettings::RecordCountKey, stored);
    const Reading reading = MakeReading(380, u"1985/5/12"_s, 100, u"孫悟空"_s);
    const auto status = RecordReading(reading, {}, {}, *platform_, nullptr);
    QVERIFY(status);
    QCOMPARE(system_->settings.stored(ProgramSettings::RecordCountKey), next);
    QCOMPARE(status->countLabel, u"鑑定履歴:"_s + next + u"件"_s);
}

void TestHistory::recordAppendsAfterEarlierContent() {
    const QByteArray earlier = "earlier content\r\n";
    QVERIFY(WriteAll(historyPath(), earlier));
    const Reading reading = MakeReading(380, u"1985/5/12"_s, 100, u"孫悟空"_s);
    QVERIFY(RecordReading(reading, {}, {}, *platform_, nullptr));
    system_->clock.set(QDateTime(QDate(2026, 12, 7), QTime(0, 0)));
    const auto second = RecordReading(reading, {}, {}, *platform_, nullptr);
    QVERIFY(second);
    QCOMPARE(second->dateLabel, u"前回鑑定日時：2026/12/07"_s);

    const QByteArray content = ReadAll(historyPath());
    QVERIFY(content.startsWith(earlier));
    const QByteArray first =
        EncodeHistoryEntry(HistoryEntryLines(reading, {}, {}, u"2026/12/06 7:15:33"_s));
    const QByteArray last = EncodeHistoryEntry(HistoryEntryLines(reading, {}, {}, u"2026/12/07"_s));
    QCOMPARE(content, earlier + first + last);
    QCOMPARE(system_->settings.stored(ProgramSettings::RecordCountKey), u"2"_s);
}

void TestHistory::recordIntoAFolderFails() {
    QVERIFY(QDir(system_->folder.path()).mkdir(HistoryFileName));
    system_->settings.store(ProgramSettings::RecordCountKey, u"4"_s);
    const Reading reading = MakeReading(380, u"1985/5/12"_s, 100, u"孫悟空"_s);
    QVERIFY(!RecordReading(reading, {}, {}, *platform_, nullptr));
    QCOMPARE(system_->messages.shown.size(), 1);
    const Message& message = system_->messages.shown.first();
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(historyPath())),
             qPrintable(message.text));
    QCOMPARE(message.icon, Message::Icon::Warning);
    QCOMPARE(system_->settings.writes, 0);
    QCOMPARE(system_->settings.stored(ProgramSettings::RecordCountKey), u"4"_s);
}

void TestHistory::recordOnAFullDiskLeavesTheFileAsItWas() {
    const QByteArray before = QByteArray(3000, 'x') + "\r\n";
    QVERIFY(WriteAll(historyPath(), before));
    const Reading reading = MakeReading(400, u"1985/5/12"_s, 100, u"孫悟空"_s);
    if (FileSizeLimit::Unavailable)
        QSKIP(FileSizeLimit::Unavailable);
    {
        // Room for a few hundred bytes: the entry starts to go in and then fails.
        FileSizeLimit limit(before.size() + 300);
        QVERIFY(!RecordReading(reading, {}, {}, *platform_, nullptr));
    }
    QCOMPARE(ReadAll(historyPath()), before);
    QCOMPARE(system_->messages.shown.size(), 1);
    QVERIFY2(system_->messages.shown[0].text.contains(SystemReason(EFBIG)),
             qPrintable(system_->messages.shown[0].text));
    QCOMPARE(system_->settings.writes, 0);
}

void TestHistory::recordThatCannotCreateTheFileLeavesNoFile() {
    const Reading reading = MakeReading(400, u"1985/5/12"_s, 100, u"孫悟空"_s);
    if (FileSizeLimit::Unavailable)
        QSKIP(FileSizeLimit::Unavailable);
    {
        FileSizeLimit limit(100);
        QVERIFY(!RecordReading(reading, {}, {}, *platform_, nullptr));
    }
    QVERIFY(!QFile::exists(historyPath()));
    QCOMPARE(system_->settings.writes, 0);
}

void TestHistory::recordOnADiskThatFillsPartWayGivesTheReason() {
    SmallDisk disk(64 * 1024);
    if (disk.ready().failed())
        QSKIP(qPrintable(disk.ready().reason()));
    system_->folder.elsewhere = disk.path();
    // A history that leaves 200 bytes of its last page free: the entry starts to go in, then the
    // disk is full.
    const QByteArray before = QByteArray(2 * 4096 - 200, 'x');
    QVERIFY(WriteAll(historyPath(), before));
    QVERIFY(disk.fill());
    const Reading reading = MakeReading(400, u"1985/5/12"_s, 100, u"孫悟空"_s);
    QVERIFY(!RecordReading(reading, {}, {}, *platform_, nullptr));
    QCOMPARE(ReadAll(historyPath()), before);
    QCOMPARE(system_->messages.shown.size(), 1);
    const QString text = system_->messages.shown[0].text;
    QVERIFY2(text.contains(u"（"_s + SystemReason(ENOSPC) + u"）"_s), qPrintable(text));
    QVERIFY2(text.contains(QDir::toNativeSeparators(historyPath())), qPrintable(text));
    QCOMPARE(system_->settings.writes, 0);
}

void TestHistory::recordIntoANamedPipeFailsAtOnce() {
    // Nobody reads the pipe: opening it for writing would wait for ever.
    if (const Result<> made = MakeNamedPipe(historyPath()); made.failed())
        QSKIP(qPrintable(made.reason()));
    const Reading reading = MakeReading(400, u"1985/5/12"_s, 100, u"孫悟空"_s);
    QVERIFY(!RecordReading(reading, {}, {}, *platform_, nullptr));
    QCOMPARE(system_->messages.shown.size(), 1);
    QVERIFY(system_->messages.shown[0].text.contains(NotARegularFileReason()));
    QVERIFY(QFileInfo(historyPath()).exists() && !QFileInfo(historyPath()).isFile());
    QCOMPARE(system_->settings.writes, 0);
}

void TestHistory::recordThroughLinks() {
    if (const Result<> made = CanFollowSymbolicLinks(); made.failed())
        QSKIP(qPrintable(made.reason()));
    QTemporaryDir elsewhere;
    const Reading reading = MakeReading(380, u"1985/5/12"_s, 100, u"孫悟空"_s);
    const QByteArray entry =
        EncodeHistoryEntry(HistoryEntryLines(reading, {}, {}, u"2026/12/06 7:15:33"_s));

    // A link to a file not made yet, through a second link: the file is made where they lead.
    const QString target = elsewhere.filePath(u"history.txt"_s);
    const QString middle = elsewhere.filePath(u"middle.txt"_s);
    QVERIFY(QFile::link(target, middle));
    QVERIFY(QFile::link(middle, historyPath()));
    QVERIFY(RecordReading(reading, {}, {}, *platform_, nullptr));
    QVERIFY(QFileInfo(historyPath()).isSymLink());
    QVERIFY(QFileInfo(middle).isSymLink());
    QCOMPARE(ReadAll(target), entry);
    // And now a link to a file that exists.
    QVERIFY(RecordReading(reading, {}, {}, *platform_, nullptr));
    QCOMPARE(ReadAll(target), entry + entry);
    QVERIFY(QFileInfo(historyPath()).isSymLink());
}

void TestHistory::failedRecordThroughADanglingLinkLeavesTheLink() {
    SmallDisk disk(16 * 1024);
    if (disk.ready().failed())
        QSKIP(qPrintable(disk.ready().reason()));
    QVERIFY(disk.fill());
    const QString target = disk.filePath(u"SanRireki.txt"_s);
    QVERIFY(QFile::link(target, historyPath()));
    const Reading reading = MakeReading(400, u"1985/5/12"_s, 100, u"孫悟空"_s);
    QVERIFY(!RecordReading(reading, {}, {}, *platform_, nullptr));
    QVERIFY(QFileInfo(historyPath()).isSymLink());
    QCOMPARE(QFileInfo(historyPath()).symLinkTarget(), target);
    QVERIFY(!QFileInfo::exists(target));
    QVERIFY(system_->messages.shown[0].text.contains(SystemReason(ENOSPC)));
}

void TestHistory::recordWhoseSettingsCannotBeSaved_data() {
    QTest::addColumn<QStringList>("failingKeys");
    QTest::newRow("count and time") << QStringList{u"Rireki"_s, u"Time"_s};
    QTest::newRow("time only, after the count") << QStringList{u"Time"_s};
}

void TestHistory::recordWhoseSettingsCannotBeSaved() {
    QFETCH(QStringList, failingKeys);
    auto& store = system_->settings;
    store.store(ProgramSettings::RecordCountKey, u"5"_s);
    store.store(ProgramSettings::RecordTimeKey, u"2026/12/01 8:00:00"_s);
    store.failingKeys = failingKeys;
    const Reading reading = MakeReading(380, u"1985/5/12"_s, 100, u"孫悟空"_s);

    QVERIFY(!RecordReading(reading, {}, {}, *platform_, nullptr));
    // The entry is in the file, whole; the settings keep what they held.
    QCOMPARE(ReadAll(historyPath()),
             EncodeHistoryEntry(HistoryEntryLines(reading, {}, {}, u"2026/12/06 7:15:33"_s)));
    QCOMPARE(store.stored(ProgramSettings::RecordCountKey), u"5"_s);
    QCOMPARE(store.stored(ProgramSettings::RecordTimeKey), u"2026/12/01 8:00:00"_s);
    QCOMPARE(system_->messages.shown.size(), 1);
    const Message& message = system_->messages.shown[0];
    QCOMPARE(message.icon, Message::Icon::Warning);
    QVERIFY2(message.text.startsWith(u"鑑定結果は履歴ファイルに記録しましたが"_s),
             qPrintable(message.text));
    QVERIFY(message.text.contains(store.location(ProgramSettings::Application)));
    QVERIFY(message.text.contains(MemorySettingsStore::FailureReason));
}

void TestHistory::clearAfterCancelChangesNothing() {
    QVERIFY(WriteAll(historyPath(), "history\r\n"));
    system_->settings.store(ProgramSettings::RecordCountKey, u"3"_s);
    system_->messages.answers.push_back(MessageAnswer::Cancel);
    bool shown = false;
    ClearHistory(*platform_, nullptr, [&](const StatusTexts&) { shown = true; });
    QVERIFY(!shown);
    QCOMPARE(ReadAll(historyPath()), QByteArray("history\r\n"));
    QCOMPARE(system_->settings.writes, 0);
    QCOMPARE(system_->messages.shown.size(), 1);
}

void TestHistory::clearEmptiesTheHistory() {
    system_->settings.store(ProgramSettings::RecordCountKey, u"3"_s);
    system_->settings.store(ProgramSettings::RecordTimeKey, u"2026/12/06 7:15:33"_s);
    for (int round = 0; round < 2; ++round) { // no file at first, then an emptied one
        StatusTexts status;
        ClearHistory(*platform_, nullptr, [&](const StatusTexts& texts) { status = texts; });
        QCOMPARE(ReadAll(historyPath()), QByteArray("\r\n"));
        QCOMPARE(status.dateLabel, u"前回鑑定日時："_s);
        QCOMPARE(status.countLabel, u"鑑定履歴：0件"_s);
    }
    QCOMPARE(system_->settings.stored(ProgramSettings::RecordCountKey), QString());
    QCOMPARE(system_->settings.stored(ProgramSettings::RecordTimeKey), QString());
    QCOMPARE(system_->settings.writtenKeys,
             (QStringList{u"Rireki"_s, u"Time"_s, u"Rireki"_s, u"Time"_s}));

    const QList<Message>& shown = system_->messages.shown;
    QCOMPARE(shown.size(), 4);
    const QString spaces3(3, QChar(0x3000));
    QCOMPARE(shown[0].text, u"過去の鑑定した履歴をすべて削除します。\r\n"_s + spaces3 +
                                u"削除してもよろしいですか？"_s);
    QCOMPARE(shown[0].title, QString(9, QChar(0x3000)) + u"過去の履歴削除確認！！"_s);
    QCOMPARE(shown[0].buttons, Message::Buttons::OkCancel);
    QCOMPARE(shown[0].icon, Message::Icon::Warning);
    QCOMPARE(shown[1].text, u"過去の鑑定した履歴をすべて削除しました。"_s);
    QCOMPARE(shown[1].title, QString(2, QChar(0x3000)) + u"     "_s + QString(6, QChar(0x3000)) +
                                 u"鑑定履歴削除 "_s);
    QCOMPARE(shown[1].buttons, Message::Buttons::Ok);
    QCOMPARE(shown[1].icon, Message::Icon::Information);
}

void TestHistory::clearThenRecord() {
    ClearHistory(*platform_, nullptr, [](const StatusTexts&) {});
    const Reading reading = MakeReading(380, u"1985/5/12"_s, 100, u"孫悟空"_s);
    const auto status = RecordReading(reading, {}, {}, *platform_, nullptr);
    QVERIFY(status);
    QCOMPARE(status->countLabel, u"鑑定履歴:1件"_s);
    QCOMPARE(ReadAll(historyPath()), "\r\n" + EncodeHistoryEntry(HistoryEntryLines(
                                                  reading, {}, {}, u"2026/12/06 7:15:33"_s)));
}

void TestHistory::clearThatCannotWrite() {
    QVERIFY(QDir(system_->folder.path()).mkdir(HistoryFileName));
    system_->settings.store(ProgramSettings::RecordCountKey, u"3"_s);
    bool shown = false;
    ClearHistory(*platform_, nullptr, [&](const StatusTexts&) { shown = true; });
    QVERIFY(!shown);
    QCOMPARE(system_->settings.writes, 0);
    QCOMPARE(system_->messages.shown.size(), 2); // the question, then what went wrong
    QVERIFY(system_->messages.shown[1].text.contains(QDir::toNativeSeparators(historyPath())));
}

void TestHistory::clearOnAFullDiskChangesNothing() {
    SmallDisk disk(64 * 1024);
    if (disk.ready().failed())
        QSKIP(qPrintable(disk.ready().reason()));
    system_->folder.elsewhere = disk.path();
    const QByteArray before = QByteArray(5000, 'x') + "\r\n";
    QVERIFY(WriteAll(historyPath(), before));
    QVERIFY(disk.fill());
    auto& store = system_->settings;
    store.store(ProgramSettings::RecordCountKey, u"3"_s);
    store.store(ProgramSettings::RecordTimeKey, u"2026/12/01 8:00:00"_s);
    bool shown = false;
    ClearHistory(*platform_, nullptr, [&](const StatusTexts&) { shown = true; });
    QVERIFY(!shown);
    QCOMPARE(ReadAll(historyPath()), before);
    QCOMPARE(store.writes, 0);
    QCOMPARE(system_->messages.shown.size(), 2); // the question, then what went wrong
    const QString text = system_->messages.shown[1].text;
    QVERIFY2(text.contains(QDir::toNativeSeparators(historyPath())), qPrintable(text));
    QVERIFY2(text.contains(SystemReason(ENOSPC)), qPrintable(text));
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no leftovers
}

void TestHistory::clearWhoseSettingsCannotBeSavedChangesNothing() {
    QVERIFY(WriteAll(historyPath(), "history\r\n"));
    auto& store = system_->settings;
    store.store(ProgramSettings::RecordCountKey, u"3"_s);
    store.store(ProgramSettings::RecordTimeKey, u"2026/12/01 8:00:00"_s);
    store.failingKeys = {u"Time"_s};
    bool shown = false;
    ClearHistory(*platform_, nullptr, [&](const StatusTexts&) { shown = true; });
    QVERIFY(!shown);
    QCOMPARE(ReadAll(historyPath()), QByteArray("history\r\n"));
    QCOMPARE(store.stored(ProgramSettings::RecordCountKey), u"3"_s);
    QCOMPARE(store.stored(ProgramSettings::RecordTimeKey), u"2026/12/01 8:00:00"_s);
    QCOMPARE(system_->messages.shown.size(), 2);
    QVERIFY(system_->messages.shown[1].text.contains(MemorySettingsStore::FailureReason));
    QCOMPARE(QDir(system_->folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{HistoryFileName});
}

void TestHistory::clearThroughALinkKeepsTheLink() {
    if (const Result<> made = CanFollowSymbolicLinks(); made.failed())
        QSKIP(qPrintable(made.reason()));
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(u"history.txt"_s);
    QVERIFY(WriteAll(target, "history\r\n"));
    QVERIFY(QFile::link(target, historyPath()));
    ClearHistory(*platform_, nullptr, [](const StatusTexts&) {});
    QVERIFY(QFileInfo(historyPath()).isSymLink());
    QCOMPARE(ReadAll(target), QByteArray("\r\n"));
}

void TestHistory::clearLeavesANamedPipeAlone() {
    if (const Result<> made = MakeNamedPipe(historyPath()); made.failed())
        QSKIP(qPrintable(made.reason()));
    ClearHistory(*platform_, nullptr, [](const StatusTexts&) {});
    QVERIFY(QFileInfo(historyPath()).exists() && !QFileInfo(historyPath()).isFile());
    QCOMPARE(system_->settings.writes, 0);
    QVERIFY(system_->messages.shown[1].text.contains(NotARegularFileReason()));
}

void TestHistory::clearWhoseFileCannotBeReplacedPutsTheSettingsBack() {
    // The emptied file is written, the settings are cleared, and only then does putting the file
    // in place fail: the settings get their values back.
    const QByteArray before = "history\r\n";
    QVERIFY(WriteAll(historyPath(), before));
    auto& store = system_->settings;
    store.store(ProgramSettings::RecordCountKey, u"3"_s);
    store.store(ProgramSettings::RecordTimeKey, u"2026/12/01 8:00:00"_s);
    // Made unchangeable once, at the first write of the settings, after the emptied file.
    std::optional<Result<>> madeImmutable;
    store.beforeWrite = [&]() {
        if (!madeImmutable)
            madeImmutable = SetImmutable(historyPath(), true);
    };
    bool shown = false;
    ClearHistory(*platform_, nullptr, [&](const StatusTexts&) { shown = true; });
    (void)SetImmutable(historyPath(), false);
    QVERIFY(madeImmutable);
    if (madeImmutable->failed())
        QSKIP(qPrintable(madeImmutable->reason()));
    QVERIFY(!shown);
    QCOMPARE(ReadAll(historyPath()), before);
    QCOMPARE(store.stored(ProgramSettings::RecordCountKey), u"3"_s);
    QCOMPARE(store.stored(ProgramSettings::RecordTimeKey), u"2026/12/01 8:00:00"_s);
    QCOMPARE(system_->messages.shown.size(), 2);
    QVERIFY(system_->messages.shown[1].text.contains(QDir::toNativeSeparators(historyPath())));
    QVERIFY(system_->messages.shown[1].text.contains(SystemReason(EPERM)));
    QCOMPARE(QDir(system_->folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{HistoryFileName});
}

void TestHistory::pendingReplacement() {
    QVERIFY(WriteAll(historyPath(), "old\r\n"));
    {
        // Not committed: dropped, the file as it was, nothing left beside it.
        PendingReplacement dropped(historyPath());
        QVERIFY(!dropped.write("new").failed());
    }
    QCOMPARE(ReadAll(historyPath()), QByteArray("old\r\n"));
    QCOMPARE(QDir(system_->folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    PendingReplacement replaced(historyPath());
    QVERIFY(!replaced.write("new").failed());
    QCOMPARE(ReadAll(historyPath()), QByteArray("old\r\n")); // not before the commit
    QVERIFY(!replaced.commit().failed());
    QCOMPARE(ReadAll(historyPath()), QByteArray("new"));

    // A commit that fails leaves the old content.
    PendingReplacement refused(historyPath());
    QVERIFY(!refused.write("newer").failed());
    if (const Result<> made = SetImmutable(historyPath(), true); made.failed())
        QSKIP(qPrintable(made.reason()));
    const Result<> failure = refused.commit();
    (void)SetImmutable(historyPath(), false);
    QVERIFY(failure.failed());
    QCOMPARE(ReadAll(historyPath()), QByteArray("new"));
    QCOMPARE(QDir(system_->folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestHistory::statusTexts() {
    // The three prefixes differ on purpose.
    const StatusTexts atStartup = StatusTexts::AtStartup(u"2026/12/06 7:15:33"_s, u"7"_s);
    QCOMPARE(atStartup.dateLabel, u"前回鑑定記録日時：2026/12/06 7:15:33"_s);
    QCOMPARE(atStartup.countLabel, u"鑑定履歴:7件"_s);
    const StatusTexts afterRecord = StatusTexts::AfterRecord(u"2026/12/07"_s, u"8"_s);
    QCOMPARE(afterRecord.dateLabel, u"前回鑑定日時：2026/12/07"_s);
    QCOMPARE(afterRecord.countLabel, u"鑑定履歴:8件"_s);
    const StatusTexts afterClear = StatusTexts::AfterClear();
    QCOMPARE(afterClear.dateLabel, u"前回鑑定日時："_s);
    QCOMPARE(afterClear.countLabel, u"鑑定履歴：0件"_s);
}

void TestHistory::viewStartsTheEditorOrSaysWhy() {
    OpenHistoryInTextEditor(*platform_, nullptr);
    QCOMPARE(system_->textViewer.opened, QStringList{system_->folder.path() + u"|SanRireki.txt"_s});
    QVERIFY(system_->messages.shown.isEmpty());
    QVERIFY(!QFile::exists(historyPath())); // viewing does not create the file

    // The desktop's own reason reaches the user, with the file it was asked to open.
    system_->textViewer.refusal = u"指定されたファイルが見つかりません。"_s;
    OpenHistoryInTextEditor(*platform_, nullptr);
    QCOMPARE(system_->messages.shown.size(), 1);
    QVERIFY(system_->messages.shown[0].text.contains(u"SanRireki.txt"_s));
    QVERIFY(system_->messages.shown[0].text.contains(u"指定されたファイルが見つかりません。"_s));
}

void TestHistory::historyApartFromTheProgramFiles() {
    // A user's first Record in a system-wide install makes their data folder; view and clear
    // follow it there, and nothing is written beside the program's own files.
    QTemporaryDir home;
    const QString folder = home.filePath(u".local/share/soranika"_s);
    system_->folder.historyElsewhere = folder;
    const Reading reading = MakeReading(364, u"S60/5/12"_s, 12345, u"磁気を帯びたイノシシ"_s);
    QVERIFY(RecordReading(reading, u"山田　花子"_s, u"長女"_s, *platform_, nullptr));
    QCOMPARE(ReadAll(folder + u"/SanRireki.txt"_s),
             ReadAll(QStringLiteral(SORANIKA_GOLDEN_DIR "/entry-366.txt")));
    QVERIFY(
        QDir(system_->folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());

    OpenHistoryInTextEditor(*platform_, nullptr);
    QCOMPARE(system_->textViewer.opened, QStringList{folder + u"|SanRireki.txt"_s});

    ClearHistory(*platform_, nullptr, [](const StatusTexts&) {});
    QCOMPARE(ReadAll(folder + u"/SanRireki.txt"_s), QByteArray("\r\n"));

    // Cleared before anything was ever recorded: the folder is made for the emptied file.
    system_->folder.historyElsewhere = home.filePath(u"other/soranika"_s);
    ClearHistory(*platform_, nullptr, [](const StatusTexts&) {});
    QCOMPARE(ReadAll(home.filePath(u"other/soranika/SanRireki.txt"_s)), QByteArray("\r\n"));
    for (const Message& message : system_->messages.shown)
        QVERIFY2(!message.text.contains(u"できませんでした"_s), qPrintable(message.text));
}

void TestHistory::historyFolderThatCannotBeMade() {
    // A file where the data folder should be: the Record fails, says where and why, and
    // counts nothing.
    QTemporaryDir home;
    QVERIFY(WriteAll(home.filePath(u"share"_s), "not a folder"));
    system_->folder.historyElsewhere = home.filePath(u"share/soranika"_s);
    const Reading reading = MakeReading(380, u"1985/5/12"_s, 100, u"孫悟空"_s);
    QVERIFY(!RecordReading(reading, {}, {}, *platform_, nullptr));
    QCOMPARE(system_->messages.shown.size(), 1);
    const QString text = system_->messages.shown.first().text;
    QVERIFY2(text.contains(QDir::toNativeSeparators(historyPath())), qPrintable(text));
    QCOMPARE(system_->settings.writes, 0);
    QCOMPARE(ReadAll(home.filePath(u"share"_s)), QByteArray("not a folder"));
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
