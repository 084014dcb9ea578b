// The sixty types: their titles and the form of the prose that prose.txt supplies.

#include "Cp932.h"
#include "TypeTable.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringEncoder>
#include <QTest>

using namespace soranika;
using namespace Qt::StringLiterals;

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\u3000' || c == u'\t';
}

// Words that name each animal of the cycle, in the cycle's order from rat to boar.
const QList<QStringList>& AnimalWords() {
    static const QList<QStringList> words{
        {u"ねずみ"_s, u"ネズミ"_s, u"鼠"_s},
        {u"牛"_s},
        {u"虎"_s, u"トラ"_s},
        {u"うさぎ"_s, u"ウサギ"_s, u"兎"_s},
        {u"龍"_s, u"竜"_s},
        {u"蛇"_s, u"へび"_s, u"ヘビ"_s},
        {u"馬"_s},
        {u"羊"_s, u"ひつじ"_s, u"ヒツジ"_s},
        {u"猿"_s, u"サル"_s, u"悟空"_s},
        {u"鳥"_s, u"鶏"_s, u"鳩"_s},
        {u"犬"_s, u"イヌ"_s},
        {u"いのしし"_s, u"イノシシ"_s, u"猪"_s},
    };
    return words;
}

bool MentionsAnyOf(QStringView text, const QStringList& words) {
    return std::any_of(words.begin(), words.end(),
                       [&](const QString& word) { return text.contains(word); });
}

} // namespace

class TestTypeTable : public QObject {
    Q_OBJECT

private slots:
    void titles_data();
    void titles();
    void titlesAreWellFormed();
    void eachType_data();
    void eachType();
    void noTwoTextsShareASentence();
};

void TestTypeTable::titles_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("title");
    QTest::newRow("1") << 1 << u"超高感度のアンテナねずみ"_s;
    QTest::newRow("3") << 3 << u"聖火を持った虎"_s;
    QTest::newRow("5") << 5 << u"山上に舞う龍"_s;
    QTest::newRow("11") << 11 << u"嗅覚鋭い忠犬"_s;
    QTest::newRow("13") << 13 << u"自由な火ねずみ"_s;
    QTest::newRow("14") << 14 << u"ほのかなロマンの牛"_s;
    QTest::newRow("27") << 27 << u"金色の虎"_s;
    QTest::newRow("48") << 48 << u"磁気を帯びたイノシシ"_s;
    QTest::newRow("54") << 54 << u"大夢をむさぼる大蛇"_s;
    QTest::newRow("55") << 55 << u"大平原の原生馬"_s;
    QTest::newRow("58") << 58 << u"時を刻む不死鳥"_s;
    QTest::newRow("59") << 59 << u"ロマンチックなボス犬"_s;
    QTest::newRow("60") << 60 << u"弓を引くイノシシ"_s;
}

void TestTypeTable::titles() {
    QFETCH(int, type);
    QTEST(TypeTable::Title(type).toString(), "title");
}

void TestTypeTable::titlesAreWellFormed() {
    QSet<QString> seen;
    for (int type = TypeTable::FirstType; type <= TypeTable::LastType; ++type) {
        const QString title = TypeTable::Title(type).toString();
        QVERIFY2(title.size() >= 3 && title.size() <= 17, qPrintable(title));
        QVERIFY(!title.contains(u'\r') && !title.contains(u'\n'));
        QVERIFY(!IsBlank(title.front()) && !IsBlank(title.back()));
        QVERIFY2(!seen.contains(title), qPrintable(title));
        seen.insert(title);
    }
}

void TestTypeTable::eachType_data() {
    QTest::addColumn<int>("type");
    for (int type = TypeTable::FirstType; type <= TypeTable::LastType; ++type)
        QTest::addRow("type %d", type) << type;
}

void TestTypeTable::eachType() {
    QFETCH(int, type);
    const QStringView prose = TypeTable::Prose(type);

    // The form of the paragraph.
    QVERIFY2(prose.size() >= 364 && prose.size() <= 414,
             qPrintable(u"length %1"_s.arg(prose.size())));
    QCOMPARE(prose.front(), QChar(u'\u3000'));
    QVERIFY(!IsBlank(prose[1]));
    QVERIFY(!prose.contains(u'\r') && !prose.contains(u'\n') && !prose.contains(u'\t'));
    QVERIFY2(!prose.contains(u"  ") && !prose.contains(u"\u3000\u3000"), "doubled blank");
    if (type == 41) {
        QCOMPARE(prose.back(), QChar(u' '));
        QVERIFY(!IsBlank(prose[prose.size() - 2]));
    } else {
        QVERIFY(!IsBlank(prose.back()));
    }

    // The text as a reading hands it on.
    const QString typeText = TypeTable::TypeText(type);
    QVERIFY(typeText.startsWith(u"\r\r\u3000"));
    QCOMPARE(QStringView(typeText).sliced(2), prose);

    // A prose text moved to the wrong number would sketch another animal.
    const QStringList& words = AnimalWords()[(type - 1) % 12];
    QVERIFY2(MentionsAnyOf(prose, words), qPrintable(words.join(u',')));

    // The history file is written in code page 932; nothing may turn into "?" there. The
    // program's own converter must give the text back; where Qt has ICU (Linux), ICU's table
    // checks it independently.
    for (const QStringView text : {TypeTable::Title(type), prose}) {
        QCOMPARE(DecodeCp932(EncodeCp932(text)), text.toString());
        QStringEncoder encoder("CP932");
        if (!encoder.isValid())
            continue;
        const QByteArray bytes = encoder.encode(text);
        QVERIFY(!bytes.isEmpty());
        QVERIFY2(!encoder.hasError(), qPrintable(text.toString()));
    }
}

void TestTypeTable::noTwoTextsShareASentence() {
    static const QRegularExpression sentenceEnd(u"(?<=[。！？])"_s);
    QHash<QString, int> owner;
    for (int type = TypeTable::FirstType; type <= TypeTable::LastType; ++type) {
        const QStringList sentences =
            TypeTable::Prose(type).toString().split(sentenceEnd, Qt::SkipEmptyParts);
        for (QString sentence : sentences) {
            sentence = sentence.trimmed().remove(u'\u3000');
            if (sentence.size() < 6)
                continue;
            const auto earlier = owner.constFind(sentence);
            // A refrain inside one text is fine; the same sentence in two texts is not.
            if (earlier != owner.cend() && *earlier != type)
                QFAIL(qPrintable(u"types %1 and %2: %3"_s.arg(*earlier).arg(type).arg(sentence)));
            owner.insert(sentence, type);
        }
    }
}

QTEST_APPLESS_MAIN(TestTypeTable)
#include "tst_typetable.moc"
