// The real adaptors that need no dialog: the settings store, the single-copy lock, and the
// helpers that lay windows out in twips.

#include "FormLayout.h"
#include "ProgramSettings.h"
#include "SettingsStore.h"
#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace soranika;
using namespace Qt::StringLiterals;

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void settingsLiveInVobrelConf();
    void singleCopyLock();
    void staleLockIsTakenOver();
    void twipsToPixels();
    void captionLabelShowsCarriageReturnsAsLineBreaks();
    void labelsSizedToTheirText();

private:
    QTemporaryDir config_;
};

void TestPlatform::initTestCase() {
    // QSettings fixes its folders at first use, so this comes before any store is made.
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    InstallFontSubstitutions();
}

void TestPlatform::settingsLiveInVobrelConf() {
    QtSettingsStore store;
    QCOMPARE(ProgramSettings::Read(store, u"Rireki"_s), u"NEW"_s);
    QVERIFY(ProgramSettings::Write(store, u"Rireki"_s, u"5"_s));
    QVERIFY(ProgramSettings::Write(store, u"Time"_s, u"2026/12/06 7:15:33"_s));
    QVERIFY(ProgramSettings::Write(store, u"Color"_s, QString()));
    QtSettingsStore later;
    QCOMPARE(ProgramSettings::Read(later, u"Rireki"_s), u"5"_s);
    QCOMPARE(ProgramSettings::Read(later, u"Time"_s), u"2026/12/06 7:15:33"_s);
    // An empty text is stored as present, not as absent.
    QCOMPARE(ProgramSettings::Read(later, u"Color"_s), QString());

    QFile file(QDir(config_.path()).filePath(u"vobrel.conf"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY2(content.contains("[section1]") && content.contains("Rireki=5"), content.constData());
}

void TestPlatform::singleCopyLock() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"soranika.lock"_s);
    auto first = std::make_unique<LockFileInstance>(path);
    QVERIFY(first->claim());
    QVERIFY(first->claim()); // asking again keeps the claim
    LockFileInstance second(path);
    QVERIFY(!second.claim());
    first.reset();
    QVERIFY(second.claim());
}

void TestPlatform::staleLockIsTakenOver() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"soranika.lock"_s);
    // A lock file left by a process that no longer exists, holding no kernel lock.
    QFile stale(path);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("999999999\nsoranika\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    LockFileInstance instance(path);
    QVERIFY(instance.claim());
}

void TestPlatform::twipsToPixels() {
    QCOMPARE(TwipsToPixels(0), 0);
    QCOMPARE(TwipsToPixels(15), 1);
    QCOMPARE(TwipsToPixels(7), 0);
    QCOMPARE(TwipsToPixels(8), 1);
    QCOMPARE(TwipsToPixels(8025), 535);
    QCOMPARE(TwipsToPixels(-8), -1);
    QCOMPARE((TwipRect{240, 4320, 8415, 3135}.toPixels()), QRect(16, 288, 561, 209));
}

void TestPlatform::captionLabelShowsCarriageReturnsAsLineBreaks() {
    CaptionLabel label;
    label.setCaption(u"\r\r一行目\r\n二行目\n三行目\r\r"_s);
    QCOMPARE(label.caption(), u"\r\r一行目\r\n二行目\n三行目\r\r"_s);
    QCOMPARE(label.text(), u"\n\n一行目\n二行目\n三行目\n\n"_s);
}

void TestPlatform::labelsSizedToTheirText() {
    QWidget form;
    CaptionLabel left(&form);
    left.setFont(MakeFont({12, true, true}));
    left.setSizing(Sizing::ToTextKeepLeft, QRect(100, 20, 9, 16));
    left.setCaption(u"ほのかなロマンの牛"_s);
    QCOMPARE(left.pos(), QPoint(100, 20));
    QVERIFY(left.width() > 100);

    CaptionLabel centred(&form);
    centred.setFont(MakeFont({12, true, true}));
    centred.setSizing(Sizing::ToTextKeepCentre, QRect(228, 88, 9, 16));
    centred.setCaption(u"もつれた紐（ひも）をほどくイノシシ"_s);
    QVERIFY(qAbs(centred.geometry().center().x() - 232) <= 1);
    QCOMPARE(centred.y(), 88);
    centred.setCaption(u"孫悟空"_s);
    QVERIFY(qAbs(centred.geometry().center().x() - 232) <= 1);
    QVERIFY(centred.width() < 80);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
