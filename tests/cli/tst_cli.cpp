// soranika-cli: the single reading, the batch form and the command line, in-process and as a
// real process.

#include "BirthDate.h"
#include "CliCommand.h"
#include "Clock.h"
#include "TypeTable.h"

#include <QProcess>
#include <QTest>

#include <sstream>

using namespace soranika;
using namespace Qt::StringLiterals;

namespace {

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

// The clock of these tests stands on 2000-01-01, noon.
CliRun Run(const QStringList& arguments, const QByteArray& input = {}) {
    const FixedClock clock(QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
    std::istringstream in(input.toStdString());
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = RunCli(arguments, in, out, err, clock);
    run.out = QString::fromStdString(out.str());
    run.err = QString::fromStdString(err.str());
    return run;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void singleReading();
    void singleReadingOnAnotherDay();
    void refusedEntry();
    void commandLineMistakes_data();
    void commandLineMistakes();
    void help();
    void batch_data();
    void batch();
    void batchGoesOnAfterBadLines();
    void batchSkipsAnOverlongLine();
    void realProcess();
};

void TestCli::singleReading() {
    const CliRun run = Run({u"昭和"_s, u"60"_s, u"5"_s, u"12"_s});
    QCOMPARE(run.status, kExitOk);
    QVERIFY(run.err.isEmpty());
    const QStringList lines = run.out.split(u'\n');
    QCOMPARE(lines.value(0), u"磁気を帯びたイノシシ"_s);
    QCOMPARE(lines.value(1), u"タイプ番号：48"_s);
    QCOMPARE(lines.value(2), u"生年月日：S60/5/12"_s);
    QCOMPARE(lines.value(3), u"生まれてから：5,347日"_s);
    QCOMPARE(lines.value(4), u"年令：14才"_s);
    QCOMPARE(lines.value(5), QString());
    QCOMPARE(lines.value(6), TypeTable::Prose(48).toString());
    QVERIFY(!run.out.contains(u'\r'));
}

void TestCli::singleReadingOnAnotherDay() {
    const CliRun run = Run({u"--today"_s, u"2026-12-07"_s, u"西暦"_s, u"2026"_s, u"12"_s, u"8"_s});
    QCOMPARE(run.status, kExitOk);
    QVERIFY(run.out.contains(u"生まれてから：-1日\n年令：-1才\n"_s));

    const CliRun equals = Run({u"--today=2000-01-02"_s, u"平成"_s, u"1"_s, u"1"_s, u"8"_s});
    QCOMPARE(equals.status, kExitOk);
    QVERIFY(equals.out.startsWith(u"山上に舞う龍\nタイプ番号：5\n生年月日：H1/1/8\n"_s));

    // After "--" a year that looks like an option is a year (and is refused as one).
    const CliRun dashed = Run({u"--"_s, u"西暦"_s, u"-5"_s, u"1"_s, u"1"_s});
    QCOMPARE(dashed.status, kExitRefused);
}

void TestCli::refusedEntry() {
    for (const QStringList& entry :
         {QStringList{u"西暦"_s, u"50"_s, u"1"_s, u"1"_s}, QStringList{u""_s, u""_s, u""_s, u""_s},
          QStringList{u"平成"_s, u"10"_s, u"2"_s, u"30"_s}}) {
        const CliRun run = Run(entry);
        QCOMPARE(run.status, kExitRefused);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err, RefusalMessage.toString() + u'\n');
    }
}

void TestCli::commandLineMistakes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("nothing") << QStringList{} << u"4 arguments"_s;
    QTest::newRow("three") << QStringList{u"西暦"_s, u"1985"_s, u"5"_s} << u"got 3"_s;
    QTest::newRow("five") << QStringList{u"西暦"_s, u"1985"_s, u"5"_s, u"12"_s, u"x"_s}
                          << u"got 5"_s;
    QTest::newRow("unknown option") << QStringList{u"--colour"_s} << u"unknown option: --colour"_s;
    QTest::newRow("option-like year")
        << QStringList{u"西暦"_s, u"-5"_s, u"1"_s, u"1"_s} << u"unknown option: -5"_s;
    QTest::newRow("today without date") << QStringList{u"--today"_s} << u"--today"_s;
    QTest::newRow("today not a day")
        << QStringList{u"--today"_s, u"2001-02-29"_s, u"西暦"_s, u"1985"_s, u"5"_s, u"12"_s}
        << u"2001-02-29"_s;
    QTest::newRow("today in another form")
        << QStringList{u"--today=2001/02/03"_s, u"--batch"_s} << u"YYYY-MM-DD"_s;
    QTest::newRow("batch with an entry")
        << QStringList{u"--batch"_s, u"西暦"_s, u"1985"_s, u"5"_s, u"12"_s} << u"standard input"_s;
}

void TestCli::commandLineMistakes() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, complaint);
    const CliRun run = Run(arguments);
    QCOMPARE(run.status, kExitUsage);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.startsWith(u"soranika-cli: "_s) && run.err.contains(complaint),
             qPrintable(run.err));
}

void TestCli::help() {
    for (const QString& option : {u"--help"_s, u"-h"_s}) {
        const CliRun run = Run({option});
        QCOMPARE(run.status, kExitOk);
        QVERIFY(run.out.contains(u"ERA YEAR MONTH DAY"_s));
        QVERIFY(run.out.contains(u"--batch"_s));
        QVERIFY(run.out.contains(u"--today YYYY-MM-DD"_s));
    }
}

void TestCli::batch_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("accepted") << "昭和\t60\t5\t12\n"_ba
                              << u"S60/5/12\t****/5/12\t48\t5347\t14\t磁気を帯びたイノシシ\n"_s;
    QTest::newRow("refused") << "西暦\t50\t1\t1\n"_ba << u"50/1/1\t****/1/1\trefused\n"_s;
    QTest::newRow("future") << "西暦\t2000\t1\t2\n"_ba
                            << u"2000/1/2\t****/1/2\t56\t-1\t-1\t我が道を行く頑固な羊\n"_s;
    QTest::newRow("empty fields") << "\t\t\t\n"_ba << u"//\t****//\trefused\n"_s;
    QTest::newRow("unknown era") << "x\t1985\t5\t12\n"_ba
                                 << u"1985/5/12\t****/5/12\t48\t5347\t14\t磁気を帯びたイノシシ\n"_s;
    QTest::newRow("CR LF") << "平成\t1\t1\t8\r\n"_ba
                           << u"H1/1/8\t****/1/8\t5\t4010\t10\t山上に舞う龍\n"_s;
    QTest::newRow("no final line break")
        << "西暦\t100\t1\t1"_ba << u"100/1/1\t****/1/1\t55\t693960\t1901\t大平原の原生馬\n"_s;
    QTest::newRow("three fields") << "西暦\t1985\t5\n"_ba
                                  << u"error\texpected 4 tab-separated fields, got 3\n"_s;
    QTest::newRow("five fields") << "西暦\t1985\t5\t12\t\n"_ba
                                 << u"error\texpected 4 tab-separated fields, got 5\n"_s;
    QTest::newRow("empty line") << "\n"_ba << u"error\texpected 4 tab-separated fields, got 1\n"_s;
    QTest::newRow("no input") << ""_ba << u""_s;
    QTest::newRow("broken UTF-8")
        << "\xff\xfe\t1985\t5\t12\n"_ba
        << u"1985/5/12\t****/5/12\t48\t5347\t14\t磁気を帯びたイノシシ\n"_s;
    QTest::newRow("NUL in a field") << QByteArray("西暦\t19\0"
                                                  "85\t5\t12\n",
                                                  18)
                                    << QStringView(u"19\0"
                                                   "85/5/12\t****/5/12\trefused\n",
                                                   29)
                                           .toString();
}

void TestCli::batch() {
    QFETCH(QByteArray, input);
    QFETCH(QString, output);
    const CliRun run = Run({u"--batch"_s}, input);
    QCOMPARE(run.status, kExitOk);
    QCOMPARE(run.out, output);
    QVERIFY(run.err.isEmpty());
}

void TestCli::batchGoesOnAfterBadLines() {
    QByteArray input;
    for (int i = 0; i < 3000; ++i)
        input += i % 3 == 0 ? "bad line\n"_ba : "昭和\t60\t5\t12\n"_ba;
    const CliRun run = Run({u"--batch"_s, u"--today"_s, u"2000-01-01"_s}, input);
    QCOMPARE(run.status, kExitOk);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3000);
    QCOMPARE(lines.count(u"error\texpected 4 tab-separated fields, got 1"_s), 1000);
    QCOMPARE(lines.last(), u"S60/5/12\t****/5/12\t48\t5347\t14\t磁気を帯びたイノシシ"_s);
}

void TestCli::batchSkipsAnOverlongLine() {
    QByteArray input = "西暦\t" + QByteArray(17 << 20, '9') + "\t5\t12\n平成\t1\t1\t8";
    const CliRun run = Run({u"--batch"_s}, input);
    QCOMPARE(run.status, kExitOk);
    QCOMPARE(run.out,
             u"error\tline longer than 16 MiB\nH1/1/8\t****/1/8\t5\t4010\t10\t山上に舞う龍\n"_s);
}

void TestCli::realProcess() {
    QProcess single;
    single.start(QStringLiteral(SORANIKA_CLI_PATH),
                 {u"--today"_s, u"2000-01-01"_s, u"昭和"_s, u"60"_s, u"5"_s, u"12"_s});
    QVERIFY(single.waitForFinished());
    QCOMPARE(single.exitCode(), kExitOk);
    QVERIFY(
        QString::fromUtf8(single.readAllStandardOutput()).startsWith(u"磁気を帯びたイノシシ\n"_s));

    QProcess refused;
    refused.start(QStringLiteral(SORANIKA_CLI_PATH), {u"西暦"_s, u"99"_s, u"1"_s, u"1"_s});
    QVERIFY(refused.waitForFinished());
    QCOMPARE(refused.exitCode(), kExitRefused);
    QCOMPARE(QString::fromUtf8(refused.readAllStandardError()), RefusalMessage.toString() + u'\n');

    QProcess batch;
    batch.start(QStringLiteral(SORANIKA_CLI_PATH), {u"--batch"_s, u"--today"_s, u"2000-01-01"_s});
    batch.write("明治\t1\t1\t1\n大正\t1\t1\n");
    batch.closeWriteChannel();
    QVERIFY(batch.waitForFinished());
    QCOMPARE(batch.exitCode(), kExitOk);
    QCOMPARE(QString::fromUtf8(batch.readAllStandardOutput()),
             u"M1/1/1\t****/1/1\t23\t48212\t132\t聖火台の神犬\n"
             u"error\texpected 4 tab-separated fields, got 3\n"_s);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
