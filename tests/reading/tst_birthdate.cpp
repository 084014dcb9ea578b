// The date boxes become texts, the date reader and the checks that refuse a birth date.

#include "BirthDate.h"
#include "EraTable.h"

#include <QTest>

#include <cmath>

using namespace soranika;
using namespace Qt::StringLiterals;

class TestBirthDate : public QObject {
    Q_OBJECT

private slots:
    void eraPrefix_data();
    void eraPrefix();
    void makeBirthDateText_data();
    void makeBirthDateText();
    void parseDateText_data();
    void parseDateText();
    void yearTextValue_data();
    void yearTextValue();
    void validateBirthDate_data();
    void validateBirthDate();
    void hostileInputIsRefused_data();
    void hostileInputIsRefused();
};

void TestBirthDate::eraPrefix_data() {
    QTest::addColumn<QString>("era");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("western") << u"西暦"_s << u""_s;
    QTest::newRow("meiji") << u"明治"_s << u"M"_s;
    QTest::newRow("taisho") << u"大正"_s << u"T"_s;
    QTest::newRow("showa") << u"昭和"_s << u"S"_s;
    QTest::newRow("heisei") << u"平成"_s << u"H"_s;
    QTest::newRow("empty box") << u""_s << u""_s;
    QTest::newRow("reiwa") << u"令和"_s << u"R"_s;
    QTest::newRow("unknown era") << u"天平"_s << u""_s;
    QTest::newRow("trailing blank is another text") << u"昭和 "_s << u""_s;
    QTest::newRow("letter is not a name") << u"S"_s << u""_s;
}

void TestBirthDate::eraPrefix() {
    QFETCH(QString, era);
    QFETCH(QString, prefix);
    QCOMPARE(EraPrefix(era).toString(), prefix);
}

void TestBirthDate::makeBirthDateText_data() {
    QTest::addColumn<QString>("era");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("birthDateText");
    QTest::addColumn<QString>("masked");
    QTest::newRow("showa") << u"昭和"_s << u"60"_s << u"5"_s << u"12"_s << u"S"_s << u"S60/5/12"_s
                           << u"****/5/12"_s;
    QTest::newRow("meiji") << u"明治"_s << u"1"_s << u"1"_s << u"1"_s << u"M"_s << u"M1/1/1"_s
                           << u"****/1/1"_s;
    QTest::newRow("taisho") << u"大正"_s << u"1"_s << u"7"_s << u"30"_s << u"T"_s << u"T1/7/30"_s
                            << u"****/7/30"_s;
    QTest::newRow("western") << u"西暦"_s << u"1985"_s << u"5"_s << u"12"_s << u""_s
                             << u"1985/5/12"_s << u"****/5/12"_s;
    QTest::newRow("unknown era counts as western")
        << u"ABC"_s << u"1985"_s << u"5"_s << u"12"_s << u""_s << u"1985/5/12"_s << u"****/5/12"_s;
    QTest::newRow("month not chosen")
        << u"西暦"_s << u"1985"_s << u""_s << u"12"_s << u""_s << u"1985//12"_s << u"****//12"_s;
    QTest::newRow("nothing entered")
        << u"平成"_s << u""_s << u""_s << u""_s << u"H"_s << u"H//"_s << u"****//"_s;
    QTest::newRow("texts kept as typed") << u"昭和"_s << u" ６０"_s << u"5"_s << u"12"_s << u"S"_s
                                         << u"S ６０/5/12"_s << u"****/5/12"_s;
}

void TestBirthDate::makeBirthDateText() {
    QFETCH(QString, era);
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    const BirthDateTexts texts = MakeBirthDateText(era, year, month, day);
    QTEST(texts.EraPrefix, "prefix");
    QTEST(texts.BirthDateText, "birthDateText");
    QTEST(texts.MaskedBirthDate, "masked");
}

void TestBirthDate::parseDateText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date"); // invalid: not a date

    QTest::newRow("western") << u"1985/5/12"_s << QDate(1985, 5, 12);
    QTest::newRow("leading zeros") << u"1935/01/01"_s << QDate(1935, 1, 1);
    QTest::newRow("many leading zeros") << u"0001985/005/012"_s << QDate(1985, 5, 12);
    QTest::newRow("ten thousand leading zeros")
        << QString(10'000, u'0') + u"1985/5/12"_s << QDate(1985, 5, 12);
    QTest::newRow("showa 60") << u"S60/5/12"_s << QDate(1985, 5, 12);
    QTest::newRow("heisei 1") << u"H1/1/8"_s << QDate(1989, 1, 8);
    QTest::newRow("reiwa 1") << u"R1/5/1"_s << QDate(2019, 5, 1);
    QTest::newRow("reiwa 8") << u"R8/12/7"_s << QDate(2026, 12, 7);
    QTest::newRow("heisei 31, the same day") << u"H31/5/1"_s << QDate(2019, 5, 1);
    QTest::newRow("reiwa 1 before its first day, plain arithmetic")
        << u"R1/1/1"_s << QDate(2019, 1, 1);
    QTest::newRow("last day in reiwa") << u"R7981/12/31"_s << QDate(9999, 12, 31);
    QTest::newRow("meiji 1") << u"M1/1/1"_s << QDate(1868, 1, 1);
    QTest::newRow("taisho 1") << u"T1/7/30"_s << QDate(1912, 7, 30);
    QTest::newRow("taisho 20, past the era's end") << u"T20/1/1"_s << QDate(1931, 1, 1);
    QTest::newRow("era year 0") << u"S0/6/1"_s << QDate(1925, 6, 1);
    QTest::newRow("first day") << u"100/1/1"_s << QDate(100, 1, 1);
    QTest::newRow("first day, four digits") << u"0100/1/1"_s << QDate(100, 1, 1);
    QTest::newRow("last day") << u"9999/12/31"_s << QDate(9999, 12, 31);
    QTest::newRow("last day by era") << u"H8011/12/31"_s << QDate(9999, 12, 31);
    QTest::newRow("leap century") << u"2000/2/29"_s << QDate(2000, 2, 29);
    QTest::newRow("leap year 104") << u"104/2/29"_s << QDate(104, 2, 29);

    QTest::newRow("empty") << u""_s << QDate();
    QTest::newRow("lone slash") << u"/"_s << QDate();
    QTest::newRow("two slashes") << u"//"_s << QDate();
    QTest::newRow("no month") << u"1985//12"_s << QDate();
    QTest::newRow("no day") << u"1985/5/"_s << QDate();
    QTest::newRow("no year after era") << u"S/5/12"_s << QDate();
    QTest::newRow("not a leap century") << u"1900/2/29"_s << QDate();
    QTest::newRow("no 30 February") << u"H10/2/30"_s << QDate();
    QTest::newRow("31 April") << u"1985/4/31"_s << QDate();
    QTest::newRow("month 13") << u"1985/13/1"_s << QDate();
    QTest::newRow("month 0") << u"1985/0/1"_s << QDate();
    QTest::newRow("day 0") << u"1985/5/0"_s << QDate();
    QTest::newRow("year 99") << u"99/12/31"_s << QDate();
    QTest::newRow("year 10000") << u"10000/1/1"_s << QDate();
    QTest::newRow("era past 9999") << u"H8012/1/1"_s << QDate();
    QTest::newRow("lower-case era") << u"s60/5/12"_s << QDate();
    QTest::newRow("era letter not in the table") << u"K1/5/1"_s << QDate();
    QTest::newRow("two era letters") << u"SS60/5/12"_s << QDate();
    QTest::newRow("blank before") << u" 1985/5/12"_s << QDate();
    QTest::newRow("blank after") << u"1985/5/12 "_s << QDate();
    QTest::newRow("blank inside") << u"1985/ 5/12"_s << QDate();
    QTest::newRow("dashes") << u"1985-5-12"_s << QDate();
    QTest::newRow("sign") << u"+1985/5/12"_s << QDate();
    QTest::newRow("fraction") << u"1985.0/5/12"_s << QDate();
    QTest::newRow("extra part") << u"1985/5/12/1"_s << QDate();
    QTest::newRow("full-width digits") << u"１９８５/5/12"_s << QDate();
    QTest::newRow("full-width slash") << u"1985／5/12"_s << QDate();
    QTest::newRow("arabic-indic digits") << u"١٩٨٥/5/12"_s << QDate();
    QTest::newRow("embedded NUL") << QStringView(u"1985/5/1\0"
                                                 "2",
                                                 10)
                                         .toString()
                                  << QDate();
    QTest::newRow("trailing NUL") << QStringView(u"1985/5/12\0", 10).toString() << QDate();
}

void TestBirthDate::parseDateText() {
    QFETCH(QString, text);
    QFETCH(QDate, date);
    const auto parsed = ParseDateText(text);
    QCOMPARE(parsed.has_value(), date.isValid());
    if (parsed)
        QCOMPARE(*parsed, date);
}

void TestBirthDate::yearTextValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << u"1985"_s << 1985.0;
    QTest::newRow("leading zeros") << u"0099"_s << 99.0;
    QTest::newRow("fraction counts") << u"99.5"_s << 99.5;
    QTest::newRow("point first") << u".5"_s << 0.5;
    QTest::newRow("blanks anywhere") << u" 1 9\t8 5 "_s << 1985.0;
    QTest::newRow("ideographic blank") << u"\u3000100"_s << 100.0;
    QTest::newRow("stops at a letter") << u"12abc"_s << 12.0;
    QTest::newRow("stops at a second point") << u"1.2.3"_s << 1.2;
    QTest::newRow("stops at a slash") << u"150/3"_s << 150.0;
    QTest::newRow("exponent is not read") << u"1e3"_s << 1.0;
    QTest::newRow("negative") << u"-5"_s << -5.0;
    QTest::newRow("sign then blank") << u"- 500"_s << -500.0;
    QTest::newRow("two signs") << u"--5"_s << 0.0;
    QTest::newRow("letter first") << u"S60"_s << 0.0;
    QTest::newRow("empty") << u""_s << 0.0;
    QTest::newRow("full-width digits are not a number") << u"１９８５"_s << 0.0;
}

void TestBirthDate::yearTextValue() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(YearTextValue(text), value);
}

void TestBirthDate::validateBirthDate_data() {
    QTest::addColumn<QString>("era");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QDate>("date"); // invalid: refused

    const QString west = u"西暦"_s;
    QTest::newRow("western 99 below the floor") << west << u"99"_s << u"1"_s << u"1"_s << QDate();
    QTest::newRow("western 0099") << west << u"0099"_s << u"1"_s << u"1"_s << QDate();
    QTest::newRow("western 100") << west << u"100"_s << u"1"_s << u"1"_s << QDate(100, 1, 1);
    QTest::newRow("western 9999-12-31")
        << west << u"9999"_s << u"12"_s << u"31"_s << QDate(9999, 12, 31);
    QTest::newRow("western 9999-02-01")
        << west << u"9999"_s << u"2"_s << u"1"_s << QDate(9999, 2, 1);
    QTest::newRow("western 10000") << west << u"10000"_s << u"1"_s << u"1"_s << QDate();
    QTest::newRow("showa 5, floor is for western years only")
        << u"昭和"_s << u"5"_s << u"1"_s << u"1"_s << QDate(1930, 1, 1);
    QTest::newRow("meiji 1") << u"明治"_s << u"1"_s << u"1"_s << u"1"_s << QDate(1868, 1, 1);
    QTest::newRow("heisei 10-02-30") << u"平成"_s << u"10"_s << u"2"_s << u"30"_s << QDate();
    QTest::newRow("1900-02-29") << west << u"1900"_s << u"2"_s << u"29"_s << QDate();
    QTest::newRow("2000-02-29") << west << u"2000"_s << u"2"_s << u"29"_s << QDate(2000, 2, 29);
    QTest::newRow("empty era box") << u""_s << u"1985"_s << u"5"_s << u"12"_s << QDate(1985, 5, 12);
    QTest::newRow("unknown era text")
        << u"天平"_s << u"1985"_s << u"5"_s << u"12"_s << QDate(1985, 5, 12);
    QTest::newRow("reiwa 8") << u"令和"_s << u"8"_s << u"12"_s << u"7"_s << QDate(2026, 12, 7);
    QTest::newRow("month not chosen") << west << u"1985"_s << u""_s << u"12"_s << QDate();
    QTest::newRow("day not chosen") << west << u"1985"_s << u"5"_s << u""_s << QDate();
    QTest::newRow("western year empty") << west << u""_s << u"5"_s << u"12"_s << QDate();
    QTest::newRow("era year empty") << u"昭和"_s << u""_s << u"5"_s << u"12"_s << QDate();
    // The floor reads "S60" as 0, so an era letter typed into the year box is refused.
    QTest::newRow("era letter typed as western year")
        << west << u"S60"_s << u"5"_s << u"12"_s << QDate();
    QTest::newRow("blank in western year") << west << u" 1985"_s << u"5"_s << u"12"_s << QDate();
    QTest::newRow("future date") << west << u"2999"_s << u"1"_s << u"1"_s << QDate(2999, 1, 1);
}

void TestBirthDate::validateBirthDate() {
    QFETCH(QString, era);
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QDate, date);
    const BirthDateTexts texts = MakeBirthDateText(era, year, month, day);
    const auto validated = ValidateBirthDate(texts.EraPrefix, year, texts.BirthDateText);
    QCOMPARE(validated.has_value(), date.isValid());
    if (validated)
        QCOMPARE(*validated, date);
}

void TestBirthDate::hostileInputIsRefused_data() {
    QTest::addColumn<QString>("year");
    QTest::newRow("ten thousand digits") << QString(10'000, u'9');
    QTest::newRow("beyond 64 bits") << u"9999999999999999999"_s;
    QTest::newRow("lone slash") << u"/"_s;
    QTest::newRow("full-width digits") << u"１９８５"_s;
    QTest::newRow("embedded NUL") << QStringView(u"19\0"
                                                 "85",
                                                 5)
                                         .toString();
    QTest::newRow("one megabyte") << QString(1 << 20, u'7');
    QTest::newRow("one megabyte of fraction") << u"1985."_s + QString(1 << 20, u'5');
    QTest::newRow("one megabyte of slashes") << QString(1 << 20, u'/');
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + u"1985"_s;
}

void TestBirthDate::hostileInputIsRefused() {
    QFETCH(QString, year);
    for (const QString& era : {u"西暦"_s, u"昭和"_s}) {
        const BirthDateTexts texts = MakeBirthDateText(era, year, u"5", u"12");
        QVERIFY(texts.BirthDateText.endsWith(u"/5/12"));
        QVERIFY(!ValidateBirthDate(texts.EraPrefix, year, texts.BirthDateText));
        QVERIFY(!ParseDateText(year));
    }
    const double value = YearTextValue(year);
    QVERIFY(!std::isnan(value));
}

QTEST_APPLESS_MAIN(TestBirthDate)
#include "tst_birthdate.moc"
