// The code page 932 converter, in which the history file is written and the help text read: as
// Windows writes it, and on a C library that lacks the code page, where what is written and read
// must still be sound, not a crash or a lost line.

#include "Cp932.h"

#include <QTest>

using namespace soranika;
using namespace Qt::StringLiterals;

namespace {

// No C library has a code page by this name.
constexpr const char* kMissingCodePage = "SORANIKA-NO-SUCH-CODE-PAGE";

} // namespace

class TestCp932 : public QObject {
    Q_OBJECT

private slots:
    void codePage932();
    void encodingWithoutTheCodePage_data();
    void encodingWithoutTheCodePage();
    void decodingWithoutTheCodePage();
};

void TestCp932::codePage932() {
    // One "?" for each character, also for one outside the Basic Multilingual Plane.
    QCOMPARE(EncodeCp932(u"A\U0001F600é"_s), QByteArray("A??"));
    // Linux input methods type WAVE DASH and MINUS SIGN where Windows has their full-width forms.
    QCOMPARE(EncodeCp932(u"〜−"_s), QByteArray("\x81\x60\x81\x7c"));
    QCOMPARE(EncodeCp932(u"\r\n"_s), QByteArray("\r\n"));
    // A character with two codes takes the one Windows writes (the IBM extension).
    QCOMPARE(EncodeCp932(u"髙"_s), QByteArray("\xfb\xfc"));
    QCOMPARE(DecodeCp932(QByteArray("\x83\x5c\x83\x89")), u"ソラ"_s);
    QCOMPARE(DecodeCp932(QByteArray("A\xA0\x80")), u"A\uFFFD\uFFFD"_s);
    QCOMPARE(DecodeCp932(QByteArray("\x82\xA0\x81")), u"あ\uFFFD"_s); // a cut-off last character
}

void TestCp932::encodingWithoutTheCodePage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("ASCII with line ends")
        << u"S60/5/12 ~\\\r\n\t"_s << QByteArray("S60/5/12 ~\\\r\n\t");
    QTest::newRow("kana and kanji") << u"氏　　名：ソラ"_s << QByteArray("???????");
    QTest::newRow("outside the Basic Multilingual Plane") << u"A\U0001F600é"_s << QByteArray("A??");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + u"B"_s << QByteArray("?B");
    QTest::newRow("NUL and DEL") << QStringView(u"a\0\x7f", 3).toString()
                                 << QByteArray("a\0\x7f", 3);
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestCp932::encodingWithoutTheCodePage() {
    QFETCH(QString, text);
    QTEST(detail::EncodeCodePage(text, kMissingCodePage), "encoded");
}

void TestCp932::decodingWithoutTheCodePage() {
    // Each byte is one character of the same number, lead bytes of code page 932 included.
    const QByteArray bytes("A\x83\x5c\x82\xA0\xff\r\n", 8);
    const QString decoded = detail::DecodeCodePage(bytes, kMissingCodePage);
    QCOMPARE(decoded, u"A\u0083\\\u0082\u00a0\u00ff\r\n"_s);
    QCOMPARE(decoded.size(), bytes.size());
    QCOMPARE(detail::DecodeCodePage(QByteArray(), kMissingCodePage), QString());

    // What was written without the code page reads back as it was, "?" for "?".
    const QString text = u"備考：memo 1\r\n"_s;
    QCOMPARE(
        detail::DecodeCodePage(detail::EncodeCodePage(text, kMissingCodePage), kMissingCodePage),
        u"???memo 1\r\n"_s);
}

QTEST_APPLESS_MAIN(TestCp932)
#include "tst_cp932.moc"
