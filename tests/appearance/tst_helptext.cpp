// The help file as the explanation window shows it.

#include "HelpText.h"
#include "RealFaults.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace soranika;
using namespace soranika::testing;
using namespace Qt::StringLiterals;

class TestHelpText : public QObject {
    Q_OBJECT

private slots:
    void lineEnds_data();
    void lineEnds();
    void missingOrUnreadableFile();
};

void TestHelpText::lineEnds_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("no line end at the end") << "abc"_ba << u"abc\r\n"_s;
    QTest::newRow("CR LF") << "a\r\nb\r\n"_ba << u"a\r\nb\r\n"_s;
    QTest::newRow("bare CR") << "a\rb"_ba << u"a\r\nb\r\n"_s;
    QTest::newRow("empty lines") << "a\r\r\n\r\n"_ba << u"a\r\n\r\n\r\n"_s;
    QTest::newRow("line feeds only stay in one line") << "a\nb\n"_ba << u"a\nb\n\r\n"_s;
    QTest::newRow("code page 932")
        << "\x83\x5c\x83\x89\x83\x6a\x83\x4a\r\n"_ba << u"ソラニカ\r\n"_s;
    QTest::newRow("a byte that is no character") << "a\xa0"_ba << u"a\uFFFD\r\n"_s;
}

void TestHelpText::lineEnds() {
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);
    QCOMPARE(HelpTextFromBytes(file), shown);
}

void TestHelpText::missingOrUnreadableFile() {
    QTemporaryDir folder;
    QVERIFY(ReadHelpText(folder.filePath(u"readme.txt"_s)).failed());
    QVERIFY(ReadHelpText(folder.path()).failed()); // a folder

    // A help text far too large, a link to an endless device, and a pipe nobody writes to: each
    // is refused at once instead of freezing the window or eating the memory.
    const QString path = folder.filePath(u"readme.txt"_s);
    const auto writeHelpOf = [&](qint64 size) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(QByteArray(size, 'a')) == size;
    };
    QVERIFY(writeHelpOf(LargestHelpFileSize));
    const Result<QString> largest = ReadHelpText(path);
    QVERIFY(!largest.failed());
    QCOMPARE(largest.value().size(), LargestHelpFileSize + 2); // its one line, ended by CR LF
    QVERIFY(writeHelpOf(LargestHelpFileSize + 1));
    QVERIFY(ReadHelpText(path).failed());
    QVERIFY(QFile::remove(path));
    if (const Result<> made = CanLinkEndlessDevice(); made.failed())
        QSKIP(qPrintable(made.reason()));
    QVERIFY(QFile::link(u"/dev/zero"_s, path));
    QVERIFY(ReadHelpText(path).failed());
    QVERIFY(QFile::remove(path));
    if (const Result<> made = MakeNamedPipe(path); made.failed())
        QSKIP(qPrintable(made.reason()));
    QVERIFY(ReadHelpText(path).failed());
}

QTEST_APPLESS_MAIN(TestHelpText)
#include "tst_helptext.moc"
