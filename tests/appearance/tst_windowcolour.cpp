// The window colour as the setting "Color" stores it: 00BBGGRR in decimal.

#include "WindowColour.h"

#include <QTest>

using namespace soranika;
using namespace Qt::StringLiterals;

class TestWindowColour : public QObject {
    Q_OBJECT

private slots:
    void colourValues_data();
    void colourValues();
};

void TestWindowColour::colourValues_data() {
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("black") << 0u << QColor(0, 0, 0);
    QTest::newRow("white") << 16777215u << QColor(255, 255, 255);
    QTest::newRow("default pink") << 12632319u << QColor(255, 192, 192);
    QTest::newRow("red in the lowest byte") << 255u << QColor(255, 0, 0);
    QTest::newRow("blue in the third") << 16711680u << QColor(0, 0, 255);
}

void TestWindowColour::colourValues() {
    QFETCH(quint32, value);
    QFETCH(QColor, colour);
    QCOMPARE(ColourFromValue(value), colour);
    QCOMPARE(ValueFromColour(colour), value);
    QCOMPARE(ParseColourText(QString::number(value)), std::optional<quint32>(value));
}

QTEST_APPLESS_MAIN(TestWindowColour)
#include "tst_windowcolour.moc"
