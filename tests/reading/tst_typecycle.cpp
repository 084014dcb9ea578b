// The sixty-day cycle, the days lived, and the appraisal that puts them together with the date
// texts.

#include "Appraisal.h"
#include "TypeCycle.h"

#include <QTest>

using namespace soranika;
using namespace Qt::StringLiterals;

class TestTypeCycle : public QObject {
    Q_OBJECT

private slots:
    void typeIndex_data();
    void typeIndex();
    void typeAdvancesByOneEveryDay_data();
    void typeAdvancesByOneEveryDay();
    void daysLived_data();
    void daysLived();
    void appraisalOfAnEraEntry();
    void appraisalOfARefusedEntryKeepsItsTexts();
};

void TestTypeCycle::typeIndex_data() {
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("type");
    QTest::newRow("1935-01-01") << QDate(1935, 1, 1) << 14;
    QTest::newRow("1960-03-03") << QDate(1960, 3, 3) << 27;
    QTest::newRow("1985-05-12") << QDate(1985, 5, 12) << 48;
    QTest::newRow("1989-01-08") << QDate(1989, 1, 8) << 5;
    QTest::newRow("2000-01-01") << QDate(2000, 1, 1) << 55;
    QTest::newRow("9999-12-31") << QDate(9999, 12, 31) << 54;
    QTest::newRow("1934-12-31, day 0") << QDate(1934, 12, 31) << 13;
    QTest::newRow("1934-12-19") << QDate(1934, 12, 19) << 1;
    QTest::newRow("1934-12-18") << QDate(1934, 12, 18) << 60;
    QTest::newRow("1934-12-17") << QDate(1934, 12, 17) << 59;
    QTest::newRow("1934-12-16") << QDate(1934, 12, 16) << 58;
    QTest::newRow("1934-10-19, day -73, a whole cycle before type 60") << QDate(1934, 10, 19) << 60;
    QTest::newRow("1900-01-01") << QDate(1900, 1, 1) << 11;
    QTest::newRow("0100-01-01") << QDate(100, 1, 1) << 55;
}

void TestTypeCycle::typeIndex() {
    QFETCH(QDate, birth);
    QTEST(ComputeTypeIndex(birth), "type");
}

void TestTypeCycle::typeAdvancesByOneEveryDay_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("around the base date") << QDate(1933, 1, 1) << QDate(1937, 1, 1);
    QTest::newRow("first days") << QDate(100, 1, 1) << QDate(101, 3, 1);
    QTest::newRow("last days") << QDate(9998, 11, 1) << QDate(9999, 12, 31);
}

void TestTypeCycle::typeAdvancesByOneEveryDay() {
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    int previous = ComputeTypeIndex(from);
    for (QDate day = from.addDays(1); day <= to; day = day.addDays(1)) {
        const int type = ComputeTypeIndex(day);
        QVERIFY2(type >= 1 && type <= 60, qPrintable(day.toString(Qt::ISODate)));
        QCOMPARE(type, previous % 60 + 1);
        previous = type;
    }
}

void TestTypeCycle::daysLived_data() {
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<qint64>("days");
    QTest::newRow("1985-05-12") << QDate(1985, 5, 12) << qint64(5347);
    QTest::newRow("1935-01-01") << QDate(1935, 1, 1) << qint64(23741);
    QTest::newRow("born today") << QDate(2000, 1, 1) << qint64(0);
    QTest::newRow("born tomorrow") << QDate(2000, 1, 2) << qint64(-1);
    QTest::newRow("0100-01-01") << QDate(100, 1, 1) << qint64(693'960);
    QTest::newRow("9999-12-31") << QDate(9999, 12, 31) << qint64(-2'921'939);
}

void TestTypeCycle::daysLived() {
    QFETCH(QDate, birth);
    QTEST(ComputeDaysLived(birth, QDate(2000, 1, 1)), "days");
}

void TestTypeCycle::appraisalOfAnEraEntry() {
    const Appraisal heisei = AppraiseBirthDate(u"平成", u"1", u"1", u"8", QDate(2000, 1, 1));
    QVERIFY(heisei.Accepted);
    QCOMPARE(heisei.TypeIndex, 5);
    QCOMPARE(heisei.BirthDate, QDate(1989, 1, 8));

    const Appraisal showa = AppraiseBirthDate(u"昭和", u"60", u"5", u"12", QDate(2000, 1, 1));
    QVERIFY(showa.Accepted);
    QCOMPARE(showa.Texts.BirthDateText, u"S60/5/12"_s);
    QCOMPARE(showa.Texts.MaskedBirthDate, u"****/5/12"_s);
    QCOMPARE(showa.TypeIndex, 48);
    QCOMPARE(showa.DaysLived, qint64(5347));
}

void TestTypeCycle::appraisalOfARefusedEntryKeepsItsTexts() {
    const Appraisal refused = AppraiseBirthDate(u"西暦", u"50", u"1", u"1", QDate(2000, 1, 1));
    QVERIFY(!refused.Accepted);
    QCOMPARE(refused.Texts.BirthDateText, u"50/1/1"_s);
    QCOMPARE(refused.Texts.MaskedBirthDate, u"****/1/1"_s);
}

QTEST_APPLESS_MAIN(TestTypeCycle)
#include "tst_typecycle.moc"
