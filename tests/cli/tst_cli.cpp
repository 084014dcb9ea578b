// soranika-cli: the single reading, the batch form and the command line, in-process and as a
// real process.

#include "BirthDate.h"
#include "CliCommand.h"
#include "Clock.h"
#include "TypeTable.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <chrono>
#include <ios>
#include <sstream>
#include <streambuf>
#include <string>
#include <system_error>
#include <vector>

#ifdef Q_OS_LINUX
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

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

constexpr auto kOutputFailedMessage = "soranika-cli: 出力を書き込めませんでした\n";

// Gives out a few bytes and then fails, as a read from a broken disk or a dropped connection does
// in libstdc++: the stream buffer throws with the system's error.
class FailingInput : public std::streambuf {
public:
    explicit FailingInput(std::string before)
        : data_(std::move(before)) {
        setg(data_.data(), data_.data(), data_.data() + data_.size());
    }

protected:
    int_type underflow() override {
        throw std::ios_base::failure("read failed", std::error_code(EIO, std::generic_category()));
    }

private:
    std::string data_;
};

// The same accepted line over and over, up to a limit; counts what was taken, so a test can tell
// whether the reader stopped early.
class RepeatedInput : public std::streambuf {
public:
    explicit RepeatedInput(std::size_t limit)
        : limit_(limit) {
        for (int i = 0; i < 4096; ++i)
            block_ += "昭和\t60\t5\t12\n";
    }
    std::size_t handedOut() const { return handedOut_; }

protected:
    int_type underflow() override {
        if (handedOut_ >= limit_)
            return traits_type::eof();
        handedOut_ += block_.size();
        setg(block_.data(), block_.data(), block_.data() + block_.size());
        return traits_type::to_int_type(block_.front());
    }

private:
    std::string block_;
    std::size_t limit_;
    std::size_t handedOut_ = 0;
};

// Takes nothing, as a pipe whose reader has gone or a full disk.
class FailingOutput : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

// What the real program writes for `text`: its standard output and error are text streams on
// Windows, where a line ends in CR LF.
QString AsWritten(QString text) {
#ifdef Q_OS_WIN
    text.replace(u'\n', u"\r\n"_s);
#endif
    return text;
}

#ifdef Q_OS_LINUX

// Starts soranika-cli with SIGPIPE ignored, as a shell after `trap "" PIPE`, many CI runners and
// Python's subprocess leave it: a write to a pipe nobody reads then fails with EPIPE instead of
// ending the process. The descriptors become its standard input, output and error; -1 leaves
// that one closed. Every other descriptor of the test should be close-on-exec.
pid_t StartCli(const QStringList& arguments, int in, int out, int err) {
    std::vector<std::string> words{SORANIKA_CLI_PATH};
    for (const QString& argument : arguments)
        words.push_back(argument.toStdString());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    // Only async-signal-safe calls from here on, as the test may have other threads.
    signal(SIGPIPE, SIG_IGN);
    const int wanted[3] = {in, out, err};
    for (int target = 0; target < 3; ++target) {
        if (wanted[target] < 0)
            close(target);
        else if (dup2(wanted[target], target) < 0)
            _exit(125);
    }
    execv(argv[0], argv.data());
    _exit(126);
}

// Waits for the child; a child still running after the timeout is killed. Returns its exit
// status, or -1 when it did not end by itself.
int WaitForExit(pid_t pid, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        usleep(10000);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Everything up to end of file; the writer must have gone.
QByteArray ReadAll(int fd) {
    QByteArray data;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0)
        data.append(buffer, got);
    return data;
}

void Close(int& fd) {
    if (fd >= 0)
        close(fd);
    fd = -1;
}

// Both ends are close-on-exec, so that a child holds only the end it is given.
struct Pipe {
    int read = -1;
    int write = -1;
    Pipe() {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) == 0) {
            read = fds[0];
            write = fds[1];
        }
    }
    ~Pipe() {
        Close(read);
        Close(write);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
};

#endif

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
    void version_data();
    void version();
    void batch_data();
    void batch();
    void batchGoesOnAfterBadLines();
    void batchSkipsAnOverlongLine();
    void batchLineAtItsLongest();
    void realProcess();
    void outputFailure();
    void inputFailure_data();
    void inputFailure();
    void realProcessBrokenPipe();
    void realProcessBrokenOutput_data();
    void realProcessBrokenOutput();
    void realProcessUnreadableInput_data();
    void realProcessUnreadableInput();
};

void TestCli::singleReading() {
    const CliRun run = Run({u"昭和"_s, u"60"_s, u"5"_s, u"12"_s});
    QCOMPARE(run.status, ExitOk);
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
    QCOMPARE(run.status, ExitOk);
    QVERIFY(run.out.contains(u"生まれてから：-1日\n年令：-1才\n"_s));

    const CliRun equals = Run({u"--today=2000-01-02"_s, u"平成"_s, u"1"_s, u"1"_s, u"8"_s});
    QCOMPARE(equals.status, ExitOk);
    QVERIFY(equals.out.startsWith(u"山上に舞う龍\nタイプ番号：5\n生年月日：H1/1/8\n"_s));

    // 令和 and its letter, and the same day in 平成.
    const CliRun reiwa = Run({u"--today=2026-12-07"_s, u"令和"_s, u"1"_s, u"5"_s, u"1"_s});
    const CliRun heisei = Run({u"--today=2026-12-07"_s, u"平成"_s, u"31"_s, u"5"_s, u"1"_s});
    const CliRun western = Run({u"--today=2026-12-07"_s, u"西暦"_s, u"2019"_s, u"5"_s, u"1"_s});
    QCOMPARE(reiwa.status, ExitOk);
    QVERIFY(reiwa.out.contains(u"生年月日：R1/5/1\n"_s));
    QCOMPARE(reiwa.out.section(u'\n', 0, 1), heisei.out.section(u'\n', 0, 1));
    QCOMPARE(reiwa.out.section(u'\n', 3), western.out.section(u'\n', 3));

    // After "--" a year that looks like an option is a year (and is refused as one).
    const CliRun dashed = Run({u"--"_s, u"西暦"_s, u"-5"_s, u"1"_s, u"1"_s});
    QCOMPARE(dashed.status, ExitRefused);
}

void TestCli::refusedEntry() {
    for (const QStringList& entry :
         {QStringList{u"西暦"_s, u"50"_s, u"1"_s, u"1"_s}, QStringList{u""_s, u""_s, u""_s, u""_s},
          QStringList{u"平成"_s, u"10"_s, u"2"_s, u"30"_s}}) {
        const CliRun run = Run(entry);
        QCOMPARE(run.status, ExitRefused);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err, RefusalMessage.toString() + u'\n');
    }
}

void TestCli::commandLineMistakes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("nothing") << QStringList{} << u"4 つの引数が要りますが、0 個です"_s;
    QTest::newRow("three") << QStringList{u"西暦"_s, u"1985"_s, u"5"_s} << u"3 個です"_s;
    QTest::newRow("five") << QStringList{u"西暦"_s, u"1985"_s, u"5"_s, u"12"_s, u"x"_s}
                          << u"5 個です"_s;
    QTest::newRow("unknown option")
        << QStringList{u"--colour"_s} << u"知らないオプションです: --colour"_s;
    QTest::newRow("option-like year")
        << QStringList{u"西暦"_s, u"-5"_s, u"1"_s, u"1"_s} << u"知らないオプションです: -5"_s;
    QTest::newRow("today without date") << QStringList{u"--today"_s} << u"--today"_s;
    QTest::newRow("today not a day")
        << QStringList{u"--today"_s, u"2001-02-29"_s, u"西暦"_s, u"1985"_s, u"5"_s, u"12"_s}
        << u"2001-02-29"_s;
    QTest::newRow("today in another form")
        << QStringList{u"--today=2001/02/03"_s, u"--batch"_s} << u"YYYY-MM-DD"_s;
    QTest::newRow("batch with an entry")
        << QStringList{u"--batch"_s, u"西暦"_s, u"1985"_s, u"5"_s, u"12"_s} << u"標準入力"_s;
}

void TestCli::commandLineMistakes() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, complaint);
    const CliRun run = Run(arguments);
    QCOMPARE(run.status, ExitUsage);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.startsWith(u"soranika-cli: "_s) && run.err.contains(complaint),
             qPrintable(run.err));
}

void TestCli::help() {
    for (const QString& option : {u"--help"_s, u"-h"_s}) {
        const CliRun run = Run({option});
        QCOMPARE(run.status, ExitOk);
        QVERIFY(run.out.contains(u"ERA YEAR MONTH DAY"_s));
        QVERIFY(run.out.contains(u"--batch"_s));
        QVERIFY(run.out.contains(u"--today YYYY-MM-DD"_s));
        QVERIFY(run.out.contains(u"--version"_s));
    }
}

void TestCli::version_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("versionWins");
    QTest::newRow("alone") << QStringList{u"--version"_s} << true;
    // Asking for the version must not start a batch that waits on standard input.
    QTest::newRow("before batch") << QStringList{u"--version"_s, u"--batch"_s} << true;
    QTest::newRow("after batch") << QStringList{u"--batch"_s, u"--version"_s} << true;
    QTest::newRow("with an entry")
        << QStringList{u"--version"_s, u"昭和"_s, u"60"_s, u"5"_s, u"12"_s} << true;
    QTest::newRow("before help") << QStringList{u"--version"_s, u"--help"_s} << true;
    QTest::newRow("after help") << QStringList{u"-h"_s, u"--version"_s} << false;
}

void TestCli::version() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, versionWins);
    const CliRun run = Run(arguments, "昭和\t60\t5\t12\n");
    QCOMPARE(run.status, ExitOk);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    static const QRegularExpression versionLine(
        QRegularExpression::anchoredPattern(u"soranika-cli \\d+\\.\\d+(\\.\\d+)*\n"_s));
    QCOMPARE(versionLine.match(run.out).hasMatch(), versionWins);
    if (!versionWins)
        QVERIFY(run.out.contains(u"ERA YEAR MONTH DAY"_s));

    // A mistake elsewhere on the line is still reported, as with --help.
    const CliRun mistaken = Run(arguments + QStringList{u"--nonsense"_s});
    QCOMPARE(mistaken.status, ExitUsage);
    QVERIFY(mistaken.out.isEmpty());
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
    QTest::newRow("reiwa") << "令和\t1\t5\t1\n"_ba
                           << u"R1/5/1\t****/5/1\t35\t-7060\t-20\t家畜化しない山犬\n"_s;
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
    // Echoed as the user typed it: a character beyond the Basic Multilingual Plane is one
    // character, four bytes of UTF-8, in and out.
    QTest::newRow("beyond the Basic Multilingual Plane")
        << "西暦\t𠮷\t5\t\U0001F382\n"_ba << u"𠮷/5/\U0001F382\t****/5/\U0001F382\trefused\n"_s;
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
    QCOMPARE(run.status, ExitOk);
    QCOMPARE(run.out, output);
    QVERIFY(run.err.isEmpty());
}

void TestCli::batchGoesOnAfterBadLines() {
    QByteArray input;
    for (int i = 0; i < 3000; ++i)
        input += i % 3 == 0 ? "bad line\n"_ba : "昭和\t60\t5\t12\n"_ba;
    const CliRun run = Run({u"--batch"_s, u"--today"_s, u"2000-01-01"_s}, input);
    QCOMPARE(run.status, ExitOk);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3000);
    QCOMPARE(lines.count(u"error\texpected 4 tab-separated fields, got 1"_s), 1000);
    QCOMPARE(lines.last(), u"S60/5/12\t****/5/12\t48\t5347\t14\t磁気を帯びたイノシシ"_s);
}

void TestCli::batchSkipsAnOverlongLine() {
    QByteArray input = "西暦\t" + QByteArray(17 << 20, '9') + "\t5\t12\n平成\t1\t1\t8";
    const CliRun run = Run({u"--batch"_s}, input);
    QCOMPARE(run.status, ExitOk);
    QCOMPARE(run.out,
             u"error\tline longer than 16 MiB\nH1/1/8\t****/1/8\t5\t4010\t10\t山上に舞う龍\n"_s);
}

void TestCli::batchLineAtItsLongest() {
    // A line of exactly 16 MiB is still answered, its year echoed whole; one byte more is not.
    const QByteArray head = "西暦\t";
    const QByteArray tail = "\t5\t12";
    const qsizetype digits = (16 << 20) - head.size() - tail.size();
    const QByteArray longest = head + QByteArray(digits, '9') + tail;
    const QByteArray tooLong = head + QByteArray(digits + 1, '9') + tail;
    const CliRun run = Run({u"--batch"_s}, longest + '\n' + tooLong + "\r\n" + longest);
    QCOMPARE(run.status, ExitOk);
    const QString answered = QString(digits, u'9') + u"/5/12\t****/5/12\trefused"_s;
    QCOMPARE(run.out.split(u'\n'),
             QStringList({answered, u"error\tline longer than 16 MiB"_s, answered, QString()}));
}

void TestCli::realProcess() {
    QProcess single;
    single.start(QStringLiteral(SORANIKA_CLI_PATH),
                 {u"--today"_s, u"2000-01-01"_s, u"昭和"_s, u"60"_s, u"5"_s, u"12"_s});
    QVERIFY(single.waitForFinished());
    QCOMPARE(single.exitCode(), ExitOk);
    QVERIFY(QString::fromUtf8(single.readAllStandardOutput())
                .startsWith(AsWritten(u"磁気を帯びたイノシシ\n"_s)));

    QProcess refused;
    refused.start(QStringLiteral(SORANIKA_CLI_PATH), {u"西暦"_s, u"99"_s, u"1"_s, u"1"_s});
    QVERIFY(refused.waitForFinished());
    QCOMPARE(refused.exitCode(), ExitRefused);
    QCOMPARE(QString::fromUtf8(refused.readAllStandardError()),
             AsWritten(RefusalMessage.toString() + u'\n'));

    QProcess batch;
    batch.start(QStringLiteral(SORANIKA_CLI_PATH), {u"--batch"_s, u"--today"_s, u"2000-01-01"_s});
    batch.write("明治\t1\t1\t1\n大正\t1\t1\n");
    batch.closeWriteChannel();
    QVERIFY(batch.waitForFinished());
    QCOMPARE(batch.exitCode(), ExitOk);
    QCOMPARE(QString::fromUtf8(batch.readAllStandardOutput()),
             AsWritten(u"M1/1/1\t****/1/1\t23\t48212\t132\t聖火台の神犬\n"
                       u"error\texpected 4 tab-separated fields, got 3\n"_s));
}

void TestCli::outputFailure() {
    const FixedClock clock(QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
    for (const QStringList& arguments :
         {QStringList{u"昭和"_s, u"60"_s, u"5"_s, u"12"_s}, QStringList{u"--help"_s}}) {
        std::istringstream in;
        FailingOutput sink;
        std::ostream out(&sink);
        std::ostringstream err;
        QCOMPARE(RunCli(arguments, in, out, err, clock), ExitOutputFailed);
        QCOMPARE(err.str(), kOutputFailedMessage);
    }

    // Once the answers cannot be written, reading on is only waste: with endless input it would
    // never end. The first failed write comes after about 1 MiB of answers, well under 4 MiB of
    // input.
    RepeatedInput source(std::size_t(32) << 20);
    std::istream in(&source);
    FailingOutput sink;
    std::ostream out(&sink);
    std::ostringstream err;
    QCOMPARE(RunCli({u"--batch"_s}, in, out, err, clock), ExitOutputFailed);
    QCOMPARE(err.str(), kOutputFailedMessage);
    QVERIFY2(source.handedOut() < std::size_t(4) << 20,
             qPrintable(QString::number(source.handedOut())));
}

void TestCli::inputFailure_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("output");
    // The line cut off by the error is not answered: its end is lost, and an answer to the part
    // that came would look right and be wrong.
    QTest::newRow("after a line") << "昭和\t60\t5\t12\n西暦\t19"_ba
                                  << u"S60/5/12\t****/5/12\t48\t5347\t14\t磁気を帯びたイノシシ\n"_s;
    QTest::newRow("after many lines")
        << "平成\t1\t1\t8\r\n"_ba.repeated(100000)
        << u"H1/1/8\t****/1/8\t5\t4010\t10\t山上に舞う龍\n"_s.repeated(100000);
    QTest::newRow("at once") << QByteArray() << QString();
}

void TestCli::inputFailure() {
    QFETCH(QByteArray, before);
    QFETCH(QString, output);
    const FixedClock clock(QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
    FailingInput source(before.toStdString());
    std::istream in(&source);
    std::ostringstream out;
    std::ostringstream err;
    QCOMPARE(RunCli({u"--batch"_s}, in, out, err, clock), ExitInputFailed);
    QCOMPARE(QString::fromStdString(out.str()), output);
    QCOMPARE(QString::fromStdString(err.str()),
             u"soranika-cli: 標準入力を読めませんでした: Input/output error\n"_s);
}

void TestCli::realProcessBrokenPipe() {
#ifdef Q_OS_LINUX
    // Endless input, as from `yes`; the input pipe is made before the other pipes, so that the
    // writer holds none of them.
    Pipe input;
    QVERIFY(input.read >= 0);
    const pid_t writer = fork();
    if (writer == 0) {
        signal(SIGPIPE, SIG_IGN);
        close(input.read);
        static const char line[] = "昭和\t60\t5\t12\n";
        while (write(input.write, line, sizeof line - 1) > 0) {
        }
        _exit(0);
    }
    QVERIFY(writer > 0);
    Close(input.write);

    Pipe output;
    Pipe error;
    const pid_t cli = StartCli({u"--batch"_s, u"--today"_s, u"2000-01-01"_s}, input.read,
                               output.write, error.write);
    Close(input.read);
    Close(output.write);
    Close(error.write);

    // Like `| head -1`: take the first line and go.
    QByteArray first;
    while (!first.contains('\n')) {
        pollfd ready{output.read, POLLIN, 0};
        if (poll(&ready, 1, 10000) <= 0)
            break;
        char buffer[256];
        const ssize_t got = read(output.read, buffer, sizeof buffer);
        if (got <= 0)
            break;
        first.append(buffer, got);
    }
    Close(output.read);

    const int status = WaitForExit(cli, std::chrono::seconds(10));
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    QCOMPARE(first.left(first.indexOf('\n')),
             "S60/5/12\t****/5/12\t48\t5347\t14\t磁気を帯びたイノシシ"_ba);
    QCOMPARE(status, ExitOutputFailed);
    QCOMPARE(ReadAll(error.read), QByteArray(kOutputFailedMessage));
#else
    QSKIP("needs fork and pipes");
#endif
}

void TestCli::realProcessBrokenOutput_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    const QString outputFailed = QString::fromUtf8(kOutputFailedMessage);
    QTest::newRow("single") << QStringList{u"昭和"_s, u"60"_s, u"5"_s, u"12"_s} << QByteArray()
                            << ExitOutputFailed << outputFailed;
    QTest::newRow("help") << QStringList{u"--help"_s} << QByteArray() << ExitOutputFailed
                          << outputFailed;
    QTest::newRow("batch") << QStringList{u"--batch"_s} << "昭和\t60\t5\t12\n"_ba
                           << ExitOutputFailed << outputFailed;
    // Nothing to write, so nothing failed.
    QTest::newRow("refused") << QStringList{u"西暦"_s, u"99"_s, u"1"_s, u"1"_s} << QByteArray()
                             << ExitRefused << RefusalMessage.toString() + u'\n';
    QTest::newRow("batch without input")
        << QStringList{u"--batch"_s} << QByteArray() << ExitOk << QString();
}

void TestCli::realProcessBrokenOutput() {
#ifdef Q_OS_LINUX
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, error);
    Pipe in;
    QCOMPARE(write(in.write, input.constData(), input.size()), input.size());
    Close(in.write);
    Pipe out; // read by nobody from the start
    Close(out.read);
    Pipe err;
    const pid_t cli = StartCli(arguments, in.read, out.write, err.write);
    Close(out.write);
    Close(err.write);
    QCOMPARE(WaitForExit(cli, std::chrono::seconds(10)), status);
    QCOMPARE(QString::fromUtf8(ReadAll(err.read)), error);
#else
    QSKIP("needs fork and pipes");
#endif
}

void TestCli::realProcessUnreadableInput_data() {
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("reason");
    QTest::newRow("directory") << false << u"Is a directory"_s;
    QTest::newRow("closed") << true << u"Bad file descriptor"_s;
}

void TestCli::realProcessUnreadableInput() {
#ifdef Q_OS_LINUX
    QFETCH(bool, closed);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    int in = closed ? -1 : open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(closed || in >= 0);
    Pipe out;
    Pipe err;
    const pid_t cli = StartCli({u"--batch"_s}, in, out.write, err.write);
    Close(in);
    Close(out.write);
    Close(err.write);
    QCOMPARE(WaitForExit(cli, std::chrono::seconds(10)), ExitInputFailed);
    QCOMPARE(ReadAll(out.read), QByteArray());
    QCOMPARE(QString::fromUtf8(ReadAll(err.read)),
             u"soranika-cli: 標準入力を読めませんでした: "_s + reason + u'\n');
#else
    QSKIP("needs fork and pipes");
#endif
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
