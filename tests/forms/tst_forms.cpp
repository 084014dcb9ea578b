// The program's widget kit: twips, captions in which a CR starts a line, labels sized to their
// text, what screen readers are told, and one-line boxes that take no line break.

#include "CaptionLabel.h"
#include "ControlTable.h"
#include "Fonts.h"
#include "JapaneseFonts.h"
#include "ProseLabel.h"
#include "SingleLineText.h"
#include "Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace soranika;
using namespace Qt::StringLiterals;

class TestForms : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void twipsToPixels();
    void shownCaption_data();
    void shownCaption();
    void captionLabelKeepsItsCaption();
    void fittedGeometry();
    void labelsSizedToTheirText();
    void condensedToFit();
    void proseKeepsEveryLine();
    void accessibleTexts_data();
    void accessibleTexts();
    void tableLabelsNameTheirControls();
    void lineBreaksBecomeSpaces_data();
    void lineBreaksBecomeSpaces();
    void oneLineBoxTakesNoLineBreak();
};

void TestForms::initTestCase() {
    InstallFontSubstitutions();
}

void TestForms::shownCaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("bare CR") << u"\r\r一行目\r二行目"_s << u"\n\n一行目\n二行目"_s;
    QTest::newRow("CR LF is one break") << u"a\r\nb"_s << u"a\nb"_s;
    QTest::newRow("LF") << u"a\nb"_s << u"a\nb"_s;
    QTest::newRow("LF CR is two") << u"a\n\rb"_s << u"a\n\nb"_s;
    QTest::newRow("trailing breaks stay") << u"a\r\r"_s << u"a\n\n"_s;
}

void TestForms::shownCaption() {
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QCOMPARE(ShownCaption(caption), shown);
}

void TestForms::captionLabelKeepsItsCaption() {
    CaptionLabel label;
    label.setCaption(u"\r\r一行目\r\n二行目\n三行目\r\r"_s);
    QCOMPARE(label.caption(), u"\r\r一行目\r\n二行目\n三行目\r\r"_s);
    QCOMPARE(label.text(), u"\n\n一行目\n二行目\n三行目\n\n"_s);
}

void TestForms::fittedGeometry() {
    const QRect designed(228, 88, 9, 16);
    QCOMPARE(FittedGeometry(Sizing::Fixed, designed, QSize(100, 20)), designed);
    QCOMPARE(FittedGeometry(Sizing::ToTextKeepLeft, designed, QSize(100, 20)),
             QRect(228, 88, 100, 20));
    // The designed centre, x = 232, stays the centre however wide the text is.
    QCOMPARE(FittedGeometry(Sizing::ToTextKeepCentre, designed, QSize(101, 20)),
             QRect(182, 88, 101, 20));
    QCOMPARE(FittedGeometry(Sizing::ToTextKeepCentre, designed, QSize(3, 20)),
             QRect(231, 88, 3, 20));
}

void TestForms::condensedToFit() {
    // The time at the foot of the detail window, in its bold italic: wider under one system's
    // renderer than another's, and never to be cut.
    const QFont font = MakeFont({.points = 12, .bold = true, .italic = true});
    const QString time = u"2026/12/31 23:59:59"_s;
    const int natural = InkWidth(font, time);

    QCOMPARE(CondensedToFit(font, time, natural + 1).stretch(), 100);
    const QFont narrower = CondensedToFit(font, time, natural * 85 / 100);
    QVERIFY(narrower.stretch() < 100);
    QVERIFY(InkWidth(narrower, time) + 1 <= natural * 85 / 100);
    QVERIFY2(narrower.stretch() > 80, "narrower than it needs to be");
    // The widest line decides; a box no text fits in gets the narrowest setting, not a loop.
    QVERIFY(CondensedToFit(font, u"短い\n"_s + time, natural * 85 / 100).stretch() < 100);
    QCOMPARE(CondensedToFit(font, time, 10).stretch(), 60);
    // The widest stretch that fits, found without measuring at every step: a text of a megabyte
    // in a hand-edited store takes long to measure.
    QList<int> measured;
    const auto widerThanTheRoomAbove = [&](int limit) {
        return [&measured, limit](int stretch) {
            measured.append(stretch);
            return stretch <= limit;
        };
    };
    for (int limit = 60; limit <= 100; ++limit) {
        measured.clear();
        QCOMPARE(WidestStretchThatFits(widerThanTheRoomAbove(limit)), limit);
        QVERIFY2(measured.size() <= 8, qPrintable(QString::number(measured.size())));
    }
    QCOMPARE(WidestStretchThatFits(widerThanTheRoomAbove(10)), 60);

    // A label that condenses keeps its box and goes back to full width for a short caption.
    QWidget form;
    CaptionLabel label(&form);
    label.setFont(font);
    const QRect box(0, 0, natural * 9 / 10, 25);
    label.setSizing(Sizing::CondenseToFit, box);
    label.setCaption(time);
    QCOMPARE(label.geometry(), box);
    QVERIFY(InkWidth(label.font(), time) < box.width());
    label.setCaption(u"12:00"_s);
    QCOMPARE(label.font().stretch(), 100);
}

void TestForms::proseKeepsEveryLine() {
    const QFont font = MakeFont({.points = 11.25});
    const QString prose =
        QString(u"走り出したイノシシの体には、なぜか不思議な磁気が宿っている。"_s).repeated(8);
    const int width = 300;
    const int needed = ProseHeight(prose, font, width);
    QCOMPARE(ProseFontToFit(prose, font, QSize(width, needed)).pixelSize(), font.pixelSize());

    // A face that sets the prose wider than the box allows: a smaller size, and only as small as
    // it needs to be.
    const QFont smaller = ProseFontToFit(prose, font, QSize(width, needed * 85 / 100));
    QVERIFY(smaller.pixelSize() < font.pixelSize());
    QVERIFY(ProseHeight(prose, smaller, width) <= needed * 85 / 100);
    QFont oneLarger = smaller;
    oneLarger.setPixelSize(smaller.pixelSize() + 1);
    QVERIFY(ProseHeight(prose, oneLarger, width) > needed * 85 / 100);
    // Never below three quarters, however little room there is.
    QCOMPARE(ProseFontToFit(prose, font, QSize(width, 10)).pixelSize(), font.pixelSize() * 3 / 4);
}

void TestForms::accessibleTexts_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    const auto kind = [](ControlKind k) {
        return static_cast<int>(k);
    };
    QTest::newRow("button: its caption, access key and spreading spaces left out")
        << kind(ControlKind::Button) << u"鑑　定(&A)"_s << u"押して下さい"_s << QString()
        << u"鑑定(A)"_s << u"押して下さい"_s;
    QTest::newRow("button named by the table: that name, spaces and all")
        << kind(ControlKind::Button) << u"印　刷"_s << QString() << u"印　刷する"_s
        << u"印　刷する"_s << u"印　刷する"_s;
    QTest::newRow("label: what it shows, the tooltip describes")
        << kind(ControlKind::Label) << QString() << u"件数のことです"_s << QString() << QString()
        << u"件数のことです"_s;
    QTest::newRow("label with a caption: what it shows")
        << kind(ControlKind::Label) << u"お名前"_s << QString() << QString() << QString()
        << QString();
    QTest::newRow("text box: its text is the value, not the name")
        << kind(ControlKind::TextBox) << u"60"_s << u"年を入力"_s << QString() << u"年を入力"_s
        << u"年を入力"_s;
    QTest::newRow("list: named by the table")
        << kind(ControlKind::DropDownList) << u"1|2|3"_s << u"月を入力"_s << u"月"_s << u"月"_s
        << u"月を入力"_s;
    QTest::newRow("picture: named by the table, no tooltip")
        << kind(ControlKind::Picture) << QString() << QString() << u"ソラニカ"_s << u"ソラニカ"_s
        << u"ソラニカ"_s;
}

void TestForms::accessibleTexts() {
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QString, tooltip);
    QFETCH(QString, named);
    QFETCH(QString, name);
    QFETCH(QString, description);
    const ControlSpec row{.name = "x",
                          .kind = static_cast<ControlKind>(kind),
                          .rect = {},
                          .text = text,
                          .tooltip = tooltip,
                          .accessibleName = named};
    const AccessibleTexts texts = AccessibleTextsFor(row);
    QCOMPARE(texts.name, name);
    QCOMPARE(texts.description, description);
}

void TestForms::tableLabelsNameTheirControls() {
    const std::array<ControlSpec, 4> rows{{
        {.name = "era",
         .kind = ControlKind::EditableCombo,
         .rect = {0, 0, 855, 345},
         .text = u"西暦|昭和"_s,
         .accessibleName = u"元号"_s},
        {.name = "month",
         .kind = ControlKind::DropDownList,
         .rect = {1000, 0, 615, 345},
         .text = u"1|2"_s},
        {.name = "monthLabel",
         .kind = ControlKind::Label,
         .rect = {1700, 0, 225, 225},
         .text = u"月"_s,
         .labelFor = "month"},
        {.name = "eraName",
         .kind = ControlKind::UnseenLabel,
         .rect = {},
         .text = u"元号"_s,
         .labelFor = "era"},
    }};
    QWidget form;
    form.setObjectName(u"form"_s);
    const BuiltControls built = BuildControls(&form, rows);
    QCOMPARE(built.form(), &form);
    QCOMPARE(built.get<QLabel>("monthLabel")->buddy(), built.get<QComboBox>("month"));
    // Never on the window, yet it names the box it stands for, and so does the box's line.
    auto* eraName = built.get<QLabel>("eraName");
    QCOMPARE(eraName->buddy(), built.get("era"));
    form.show();
    QVERIFY(!eraName->isVisible());
    QCOMPARE(eraName->text(), u"元号"_s);
    QCOMPARE(built.get<QComboBox>("era")->lineEdit()->accessibleName(), u"元号"_s);
}

void TestForms::lineBreaksBecomeSpaces_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("joined");
    QTest::addColumn<int>("movedCursor");
    QTest::newRow("all three kinds") << u"X\r\nY\nZ\rW"_s << 8 << u"X Y Z W"_s << 7;
    QTest::newRow("cursor inside CR LF") << u"a\r\nb"_s << 2 << u"a b"_s << 2;
    QTest::newRow("cursor before") << u"ab\r\n"_s << 1 << u"ab "_s << 1;
    QTest::newRow("LF CR is two breaks") << u"a\n\rb"_s << 4 << u"a  b"_s << 4;
    QTest::newRow("nothing to do") << u"山田　花子"_s << 5 << u"山田　花子"_s << 5;
}

void TestForms::lineBreaksBecomeSpaces() {
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, joined);
    QFETCH(int, movedCursor);
    QCOMPARE(LineBreaksToSpaces(text, &cursor), joined);
    QCOMPARE(cursor, movedCursor);
}

void TestForms::oneLineBoxTakesNoLineBreak() {
    QLineEdit box;
    box.setValidator(new SingleLineValidator(&box));
    box.setText(u"既存"_s);
    box.end(false);
    box.insert(u"X\r\nY\nZ\rW"_s); // how a paste or a drop arrives
    QCOMPARE(box.text(), u"既存X Y Z W"_s);
    QCOMPARE(box.cursorPosition(), 9);

    QApplication::clipboard()->setText(u"長女\r\n二行目"_s);
    box.clear();
    box.paste();
    QCOMPARE(box.text(), u"長女 二行目"_s);

    box.setText(u"a\nb"_s);
    QCOMPARE(box.text(), u"a b"_s);
    // Undo brings back what the box showed, never a line break.
    box.undo();
    QVERIFY(!box.text().contains(u'\n'));
}

void TestForms::twipsToPixels() {
    QCOMPARE(TwipsToPixels(0), 0);
    QCOMPARE(TwipsToPixels(15), 1);
    QCOMPARE(TwipsToPixels(7), 0);
    QCOMPARE(TwipsToPixels(8), 1);
    QCOMPARE(TwipsToPixels(8025), 535);
    QCOMPARE(TwipsToPixels(-8), -1);
    QCOMPARE((TwipRect{240, 4320, 8415, 3135}.toPixels()), QRect(16, 288, 561, 209));
}

void TestForms::labelsSizedToTheirText() {
    if (const QString missing = testing::MissingJapaneseFonts(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    QWidget form;
    CaptionLabel left(&form);
    left.setFont(MakeFont({.points = 12, .bold = true, .italic = true}));
    left.setSizing(Sizing::ToTextKeepLeft, QRect(100, 20, 9, 16));
    left.setCaption(u"ほのかなロマンの牛"_s);
    QCOMPARE(left.pos(), QPoint(100, 20));
    QVERIFY(left.width() > 100);

    CaptionLabel centred(&form);
    centred.setFont(MakeFont({.points = 12, .bold = true, .italic = true}));
    centred.setSizing(Sizing::ToTextKeepCentre, QRect(228, 88, 9, 16));
    centred.setCaption(u"もつれた紐（ひも）をほどくイノシシ"_s);
    QVERIFY(qAbs(centred.geometry().center().x() - 232) <= 1);
    QCOMPARE(centred.y(), 88);
    centred.setCaption(u"孫悟空"_s);
    QVERIFY(qAbs(centred.geometry().center().x() - 232) <= 1);
    QVERIFY(centred.width() < 80);
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
