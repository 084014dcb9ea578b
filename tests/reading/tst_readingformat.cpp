// How a reading's numbers and times become the texts the windows, the page and the history show:
// the age in whole years, the grouped number of days and the general date and time.

#include "ReadingFormat.h"

#include <QTest>

#include <limits>

using namespace soranika;
using namespace Qt::StringLiterals;

class TestReadingFormat : public QObject {
    Q_OBJECT

private slots:
    void ageInYears_data();
    void ageInYears();
    void groupedNumber_data();
    void groupedNumber();
    void generalDateTimeText();
};

void TestReadingFormat::ageInYears_data() {
    QTest::addColumn<qint64>("days");
    QTest::addColumn<qint64>("age");
    QTest::newRow("0") << qint64(0) << qint64(0);
    QTest::newRow("364") << qint64(364) << qint64(0);
    QTest::newRow("365") << qint64(365) << qint64(1);
    QTest::newRow("5347") << qint64(5347) << qint64(14);
    QTest::newRow("12345") << qint64(12345) << qint64(33);
    QTest::newRow("-1") << qint64(-1) << qint64(-1);
    QTest::newRow("-365") << qint64(-365) << qint64(-1);
    QTest::newRow("-366") << qint64(-366) << qint64(-2);
    QTest::newRow("-1234") << qint64(-1234) << qint64(-4);
    QTest::newRow("born 0100-01-01, on 2000-01-01") << qint64(693'960) << qint64(1901);
    QTest::newRow("born 9999-12-31, on 2000-01-01") << qint64(-2'921'939) << qint64(-8006);
}

void TestReadingFormat::ageInYears() {
    QFETCH(qint64, days);
    QTEST(AgeInYears(days), "age");
}

void TestReadingFormat::groupedNumber_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << qint64(0) << u"0"_s;
    QTest::newRow("365") << qint64(365) << u"365"_s;
    QTest::newRow("1000") << qint64(1000) << u"1,000"_s;
    QTest::newRow("12345") << qint64(12345) << u"12,345"_s;
    QTest::newRow("123456") << qint64(123456) << u"123,456"_s;
    QTest::newRow("1234567") << qint64(1234567) << u"1,234,567"_s;
    QTest::newRow("-7") << qint64(-7) << u"-7"_s;
    QTest::newRow("-999") << qint64(-999) << u"-999"_s;
    QTest::newRow("-1234") << qint64(-1234) << u"-1,234"_s;
    QTest::newRow("-123456") << qint64(-123456) << u"-123,456"_s;
    QTest::newRow("-2921939") << qint64(-2'921'939) << u"-2,921,939"_s;
    QTest::newRow("largest") << std::numeric_limits<qint64>::max()
                             << u"9,223,372,036,854,775,807"_s;
    QTest::newRow("lowest") << std::numeric_limits<qint64>::min()
                            << u"-9,223,372,036,854,775,808"_s;
}

void TestReadingFormat::groupedNumber() {
    QFETCH(qint64, value);
    QTEST(FormatGroupedNumber(value), "text");
}

void TestReadingFormat::generalDateTimeText() {
    QCOMPARE(GeneralDateTimeText(QDateTime(QDate(2026, 12, 6), QTime(7, 15, 33))),
             u"2026/12/06 7:15:33"_s);
    QCOMPARE(GeneralDateTimeText(QDateTime(QDate(2026, 12, 7), QTime(0, 0, 0))), u"2026/12/07"_s);
    QCOMPARE(GeneralDateTimeText(QDateTime(QDate(2026, 12, 7), QTime(0, 0, 1))),
             u"2026/12/07 0:00:01"_s);
    QCOMPARE(GeneralDateTimeText(QDateTime(QDate(2026, 1, 2), QTime(23, 59, 59))),
             u"2026/01/02 23:59:59"_s);
}

QTEST_APPLESS_MAIN(TestReadingFormat)
#include "tst_readingformat.moc"
