// How close a committed picture must be to the generator's drawing: rounding noise passes, a
// changed motif does not.

#include "compare.h"

#include <QTest>

using namespace soranika::pictures;

namespace {

QImage Plain(int width, int height, QRgb colour = qRgb(0x80, 0x90, 0xa0)) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// Moves `count` pixels, row by row from the top left, by `levels` in the red channel.
QImage WithStrayPixels(QImage image, int count, int levels) {
    for (int i = 0; i < count; ++i) {
        const QPoint at(i % image.width(), i / image.width());
        const QRgb pixel = image.pixel(at);
        image.setPixel(at, qRgba(qRed(pixel) + levels, qGreen(pixel), qBlue(pixel), qAlpha(pixel)));
    }
    return image;
}

} // namespace

class TestPictureCompare : public QObject {
    Q_OBJECT

private slots:
    void roundingNoiseIsTheSamePicture();
    void strayPixelsUpToTheirShare_data();
    void strayPixelsUpToTheirShare();
    void alphaCountsButNotTheColourOfTransparentPixels();
    void differentSizeOrNoImage();
};

void TestPictureCompare::roundingNoiseIsTheSamePicture() {
    const QImage drawing = Plain(64, 64);
    QCOMPARE(compareImages(drawing, drawing).same, true);

    // Every pixel of a picture off by the tolerance in every channel.
    QImage noisy(64, 64, QImage::Format_ARGB32);
    noisy.fill(qRgba(0x80 + kChannelTolerance, 0x90 - kChannelTolerance, 0xa0 + kChannelTolerance,
                     0xff - kChannelTolerance));
    const ImageComparison comparison = compareImages(drawing, noisy);
    QVERIFY2(comparison.same, qPrintable(comparison.reason));
    QCOMPARE(comparison.strayPixels, qsizetype(0));
    QCOMPARE(comparison.largestDifference, kChannelTolerance);

    // A PNG of an indexed icon reads back in another format; the pixels decide.
    QImage indexed(64, 64, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0x80, 0x90, 0xa0)});
    indexed.fill(0);
    QVERIFY(compareImages(drawing, indexed).same);
    QVERIFY(compareImages(drawing, drawing.convertToFormat(QImage::Format_RGB32)).same);
}

void TestPictureCompare::strayPixelsUpToTheirShare_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("stray");
    QTest::addColumn<int>("levels");
    QTest::addColumn<bool>("same");
    // A type picture may have 11 stray pixels (0.005 % of 658 x 354).
    QTest::newRow("picture, 11 stray") << 658 << 354 << 11 << 100 << true;
    QTest::newRow("picture, 12 stray") << 658 << 354 << 12 << 100 << false;
    QTest::newRow("picture, a row of 658 off by one level past the tolerance")
        << 658 << 354 << 658 << kChannelTolerance + 1 << false;
    QTest::newRow("picture, a row of 658 off by the tolerance")
        << 658 << 354 << 658 << kChannelTolerance << true;
    // The smaller icons have no room for any.
    QTest::newRow("128 x 128 icon, one stray") << 128 << 128 << 1 << 100 << false;
    QTest::newRow("32 x 32 icon, one stray") << 32 << 32 << 1 << 100 << false;
    QTest::newRow("256 x 256 icon, 3 stray") << 256 << 256 << 3 << 100 << true;
    QTest::newRow("256 x 256 icon, 4 stray") << 256 << 256 << 4 << 100 << false;
}

void TestPictureCompare::strayPixelsUpToTheirShare() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, stray);
    QFETCH(int, levels);
    QFETCH(bool, same);
    const QImage drawing = Plain(width, height);
    const ImageComparison comparison =
        compareImages(drawing, WithStrayPixels(drawing, stray, levels));
    QCOMPARE(comparison.same, same);
    QCOMPARE(comparison.largestDifference, levels);
    QCOMPARE(comparison.strayPixels, qsizetype(levels > kChannelTolerance ? stray : 0));
    QCOMPARE(comparison.reason.isEmpty(), same);
}

void TestPictureCompare::alphaCountsButNotTheColourOfTransparentPixels() {
    const QImage transparent = Plain(32, 32, qRgba(0, 0, 0, 0));
    QVERIFY(compareImages(transparent, Plain(32, 32, qRgba(0xff, 0x20, 0x40, 0))).same);

    QImage halfShown = transparent;
    halfShown.setPixel(5, 5, qRgba(0, 0, 0, 0x80));
    QVERIFY(!compareImages(transparent, halfShown).same);

    // An opaque pixel that turned transparent is gone from the picture.
    QImage hole = Plain(32, 32);
    hole.setPixel(0, 0, qRgba(0x80, 0x90, 0xa0, 0));
    QVERIFY(!compareImages(Plain(32, 32), hole).same);
}

void TestPictureCompare::differentSizeOrNoImage() {
    const ImageComparison wider = compareImages(Plain(658, 354), Plain(659, 354));
    QVERIFY(!wider.same);
    QVERIFY2(wider.reason.contains(QLatin1String("659 x 354")), qPrintable(wider.reason));
    QVERIFY(!compareImages(Plain(10, 10), QImage()).same);
    QVERIFY(!compareImages(QImage(), QImage()).same);
}

QTEST_APPLESS_MAIN(TestPictureCompare)
#include "tst_picturecompare.moc"
