// The detail window: what it shows of a reading, masked or not, its picture, and the printed
// page.

#include "CaptionLabel.h"
#include "DetailPage.h"
#include "FindControl.h"
#include "Fonts.h"
#include "Form3.h"
#include "JapaneseFonts.h"
#include "PrintPage.h"
#include "Readings.h"
#include "RealFaults.h"
#include "RegularFile.h"
#include "TypeTable.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace soranika;
using namespace soranika::testing;
using namespace Qt::StringLiterals;

namespace {

const QDateTime kShownAt(QDate(2026, 12, 6), QTime(7, 15, 33));

// Fills the window as the main window does, with the background and the picture folder given.
Result<> Fill(Form3& window, DetailPage page, const QColor& background,
              const QString& pictureFolder) {
    page.background = background;
    page.pictureFolder = pictureFolder;
    return window.fill(page);
}

QString PictureSource(int type) {
    return QStringLiteral(SORANIKA_PICTURE_DIR "/") + TypePictureFileName(type);
}

// Runs a poppler tool; empty when it is not installed.
QString Poppler(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return {};
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestDetail : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pageShowsTheReading();
    void pageMasksTheAgeWhenHidden();
    void layoutOfTheWindow();
    void fillingSetsLabelsColourAndPicture();
    void missingPictureLeavesAnEmptyBox();
    void pictureThatIsNoPictureFileIsNotRead();
    void picturesLoadByContent();
    void everyProseFitsItsBox();
    void printedPageIsOneVectorPageAtItsOwnSize();
    void printerThatRefusesIsReported();
};

void TestDetail::initTestCase() {
    if (const QString missing = MissingJapaneseFonts(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    InstallFontSubstitutions();
}

void TestDetail::pageShowsTheReading() {
    const DetailPage page = MakeDetailPage(ShowaReading(), u"山田花子"_s, false, kShownAt);
    QCOMPARE(page.birthDate, u"S60/5/12"_s);
    QCOMPARE(page.days, u"12,345"_s);
    QCOMPARE(page.age, u"33"_s);
    QCOMPARE(page.name, u"山田花子"_s);
    QCOMPARE(page.shownAt, u"2026/12/06 7:15:33"_s);
    QCOMPARE(page.title, u"磁気を帯びたイノシシ"_s);
    QVERIFY(page.prose.startsWith(u"\r\r\u3000"_s));
}

void TestDetail::pageMasksTheAgeWhenHidden() {
    Reading future = ShowaReading();
    future.DaysLived = -1234;
    const DetailPage shown = MakeDetailPage(future, {}, false, kShownAt);
    QCOMPARE(shown.days, u"-1,234"_s);
    QCOMPARE(shown.age, u"-4"_s);
    const DetailPage hidden = MakeDetailPage(future, {}, true, kShownAt);
    QCOMPARE(hidden.birthDate, u"****/5/12"_s);
    QCOMPARE(hidden.days, u"*****"_s);
    QCOMPARE(hidden.age, u"**"_s);
    QCOMPARE(hidden.title, future.TypeTitle); // the rest is shown as it is
}

void TestDetail::layoutOfTheWindow() {
    Form3 window;
    QCOMPARE(window.windowTitle(), u"詳細表示"_s);
    QCOMPARE(window.size(), QSize(594, 525));
    QCOMPARE(Find<QLabel>(window, "Image2")->geometry(), QRect(136, 104, 329, 177));
    QVERIFY(Find<QLabel>(window, "Image2")->hasScaledContents());
    QCOMPARE(Find<QLabel>(window, "Image2")->toolTip(),
             u"この画像はあなたの性格をイメージしたものです。"_s);
    QCOMPARE(Find<CaptionLabel>(window, "Label1")->geometry(), QRect(16, 288, 561, 209));
    QCOMPARE(Find<CaptionLabel>(window, "Label1")->toolTip(),
             u"あなたの性格を文章表現したものです。"_s);
    QCOMPARE(Find<CaptionLabel>(window, "Label3")->caption(), u"ソラニカVer1．0"_s);
    QCOMPARE(Find<CaptionLabel>(window, "Label8")->caption(), u"＜あなたが生まれてから今日で"_s);
    QVERIFY(Find<CaptionLabel>(window, "Label14")->alignment() & Qt::AlignRight);
    // The days' box is lower in the table than its font's line; it grows, so that the comma of
    // "15,184" keeps its tail below the baseline instead of reading as a full stop.
    const CaptionLabel* days = Find<CaptionLabel>(window, "Label14");
    QCOMPARE(days->geometry().topLeft(), QPoint(296, 48));
    QVERIFY(days->height() >= days->fontMetrics().height());
    QVERIFY(days->geometry().bottom() < 72); // above the rule under the personal data
    QVERIFY(Find<CaptionLabel>(window, "Label9")->font().underline());
    // The bottom row reaches below the client area, which cuts it off.
    QCOMPARE(Find<CaptionLabel>(window, "Label5")->geometry().bottom(), 528);
    QVERIFY(!Find<QLabel>(window, "Image3")->pixmap().isNull());
}

void TestDetail::fillingSetsLabelsColourAndPicture() {
    QTemporaryDir folder;
    QVERIFY(QFile::copy(PictureSource(48), folder.filePath(TypePictureFileName(48))));
    Form3 window;
    const DetailPage page = MakeDetailPage(ShowaReading(), u"山田花子"_s, false, kShownAt);
    QVERIFY(!Fill(window, page, QColor(10, 20, 30), folder.path()).failed());
    QCOMPARE(window.palette().color(QPalette::Window), QColor(10, 20, 30));
    QCOMPARE(Find<CaptionLabel>(window, "Label1")->palette().color(QPalette::Window),
             QColor(Qt::white));
    QCOMPARE(Find<CaptionLabel>(window, "Label1")->caption(), TypeTable::TypeText(48));
    QVERIFY(Find<CaptionLabel>(window, "Label1")->text().startsWith(u"\n\n\u3000"_s));
    QCOMPARE(Find<CaptionLabel>(window, "Label12")->caption(), u"山田花子"_s);
    QCOMPARE(Find<CaptionLabel>(window, "Label13")->caption(), u"S60/5/12"_s);
    QCOMPARE(Find<CaptionLabel>(window, "Label14")->caption(), u"12,345"_s);
    QCOMPARE(Find<CaptionLabel>(window, "Label15")->caption(), u"33"_s);
    QCOMPARE(Find<CaptionLabel>(window, "Label5")->caption(), u"2026/12/06 7:15:33"_s);
    QCOMPARE(Find<CaptionLabel>(window, "Label9")->caption(), u"磁気を帯びたイノシシ"_s);
    QCOMPARE(Find<QLabel>(window, "Image2")->pixmap().size(), QSize(658, 354));
    QVERIFY(window.isHidden());
}

void TestDetail::missingPictureLeavesAnEmptyBox() {
    QTemporaryDir folder;
    QVERIFY(QFile::copy(PictureSource(7), folder.filePath(TypePictureFileName(7))));
    Form3 window;
    Reading seven = ShowaReading();
    seven.TypeIndex = 7;
    QVERIFY(!Fill(window, MakeDetailPage(seven, {}, false, kShownAt), Qt::white, folder.path())
                 .failed());
    QVERIFY(!Find<QLabel>(window, "Image2")->pixmap().isNull());

    // Type 48 has no picture here: the texts change, the box is emptied, never left on type 7.
    const auto problem =
        Fill(window, MakeDetailPage(ShowaReading(), {}, true, kShownAt), Qt::white, folder.path());
    QVERIFY(problem.failed());
    QVERIFY2(problem.reason().contains(u"Image(48).tkb"_s), qPrintable(problem.reason()));
    QVERIFY(Find<QLabel>(window, "Image2")->pixmap().isNull());
    QCOMPARE(Find<CaptionLabel>(window, "Label13")->caption(), u"****/5/12"_s);

    // A file that is no picture at all counts as missing.
    QFile broken(folder.filePath(TypePictureFileName(48)));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    QVERIFY(
        Fill(window, MakeDetailPage(ShowaReading(), {}, false, kShownAt), Qt::white, folder.path())
            .failed());
    QVERIFY(Find<QLabel>(window, "Image2")->pixmap().isNull());
}

void TestDetail::pictureThatIsNoPictureFileIsNotRead() {
    // A pipe nobody writes to would hold the window up for ever; a link to an endless device
    // would eat the memory; a huge file is no picture of ours.
    QTemporaryDir folder;
    const QString path = folder.filePath(TypePictureFileName(48));
    Form3 window;
    const auto fill = [&] {
        return Fill(window, MakeDetailPage(ShowaReading(), {}, false, kShownAt), Qt::white,
                    folder.path());
    };
    // At exactly the largest size the file is read, and found to be no picture.
    {
        QFile largest(path);
        QVERIFY(largest.open(QIODevice::WriteOnly));
        QVERIFY(largest.resize(LargestPictureFileSize));
    }
    const auto unreadable = fill();
    QVERIFY(unreadable.failed());
    QVERIFY2(!unreadable.reason().contains(u"大きすぎます"_s), qPrintable(unreadable.reason()));
    {
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(LargestPictureFileSize + 1));
    }
    const auto tooLarge = fill();
    QVERIFY(tooLarge.failed() && tooLarge.reason().contains(u"大きすぎます"_s));
    QVERIFY(Find<QLabel>(window, "Image2")->pixmap().isNull());
    QCOMPARE(Find<CaptionLabel>(window, "Label9")->caption(), u"磁気を帯びたイノシシ"_s);

    QVERIFY(QFile::remove(path));
    if (const Result<> made = CanLinkEndlessDevice(); made.failed())
        QSKIP(qPrintable(made.reason()));
    QVERIFY(QFile::link(u"/dev/zero"_s, path));
    const auto device = fill();
    QVERIFY(device.failed() && device.reason().contains(NotARegularFileReason()));
    QVERIFY(Find<QLabel>(window, "Image2")->pixmap().isNull());

    QVERIFY(QFile::remove(path));
    if (const Result<> made = MakeNamedPipe(path); made.failed())
        QSKIP(qPrintable(made.reason()));
    const auto pipe = fill();
    QVERIFY(pipe.failed() && pipe.reason().contains(NotARegularFileReason()));
    QVERIFY(Find<QLabel>(window, "Image2")->pixmap().isNull());
}

void TestDetail::everyProseFitsItsBox() {
    Form3 window;
    const int inner = Find<CaptionLabel>(window, "Label1")->contentsRect().height();
    int tallest = 0;
    for (int type = 1; type <= 60; ++type) {
        Find<CaptionLabel>(window, "Label1")->setCaption(TypeTable::TypeText(type));
        const int needed = Find<CaptionLabel>(window, "Label1")
                               ->heightForWidth(Find<CaptionLabel>(window, "Label1")->width()) -
                           (Find<CaptionLabel>(window, "Label1")->height() - inner);
        tallest = qMax(tallest, needed);
        QVERIFY2(needed <= inner,
                 qPrintable(u"type %1 needs %2 px of %3"_s.arg(type).arg(needed).arg(inner)));
    }
    qInfo("tallest prose: %d of %d px", tallest, inner);
}

void TestDetail::picturesLoadByContent() {
    // All sixty pictures: readable by content, at least twice the box, and all different.
    QSet<QByteArray> seen;
    for (int type = 1; type <= 60; ++type) {
        QImage picture;
        QVERIFY2(picture.load(PictureSource(type)), qPrintable(PictureSource(type)));
        QVERIFY(picture.width() >= 658 && picture.height() >= 354);
        const QByteArray pixels(reinterpret_cast<const char*>(picture.constBits()),
                                picture.sizeInBytes());
        QVERIFY2(!seen.contains(pixels), qPrintable(QString::number(type)));
        seen.insert(pixels);
    }
}

void TestDetail::printedPageIsOneVectorPageAtItsOwnSize() {
    QTemporaryDir folder;
    QVERIFY(QFile::copy(PictureSource(48), folder.filePath(TypePictureFileName(48))));
    Form3 window;
    const QColor pink(255, 192, 192);
    QVERIFY(!Fill(window, MakeDetailPage(ShowaReading(), u"山田花子"_s, false, kShownAt), pink,
                  folder.path())
                 .failed());
    const QString pdf = folder.filePath(u"page.pdf"_s);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(pdf);
    QVERIFY(!PrintWindowPage(window, printer).failed());
    QVERIFY(window.isHidden());
    QVERIFY(QFileInfo(pdf).size() > 1000);

    // SORANIKA_TEST_OUTPUT=folder keeps the printed page, for a person to look at.
    const QString keep = qEnvironmentVariable("SORANIKA_TEST_OUTPUT");
    if (!keep.isEmpty()) {
        QFile::remove(keep + u"/detail-page.pdf"_s);
        QFile::copy(pdf, keep + u"/detail-page.pdf"_s);
    }

    const QString info = Poppler(u"pdfinfo"_s, {pdf});
    if (info.isEmpty())
        QSKIP("poppler-utils are not installed");
    QVERIFY2(info.contains(QRegularExpression(u"Pages:\\s+1\\n"_s)), qPrintable(info));
    // Real fonts in the page mean its text is vector text, not a picture of text.
    QVERIFY(Poppler(u"pdffonts"_s, {pdf}).contains(u"IPAPGothic"_s));
    QVERIFY(Poppler(u"pdftotext"_s, {pdf, u"-"_s}).contains(u"磁気を帯びたイノシシ"_s));

    // At 72 dots per inch the pink page is 8910 x 7875 twips = 445.5 x 393.75 points.
    const QString png = folder.filePath(u"page"_s);
    Poppler(u"pdftoppm"_s, {u"-r"_s, u"72"_s, u"-png"_s, u"-singlefile"_s, pdf, png});
    QImage page(png + u".png"_s);
    QVERIFY(!page.isNull());
    QRect pinkArea;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (qAbs(c.red() - 255) < 4 && qAbs(c.green() - 192) < 4 && qAbs(c.blue() - 192) < 4)
                pinkArea |= QRect(x, y, 1, 1);
        }
    }
    const QSizeF millimetres = QSizeF(pinkArea.size()) * 25.4 / 72.0;
    QVERIFY2(qAbs(millimetres.width() - 157.2) < 2.5 && qAbs(millimetres.height() - 138.9) < 2.5,
             qPrintable(u"%1 x %2 mm"_s.arg(millimetres.width()).arg(millimetres.height())));
    // It starts at the top left of the printable area.
    const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
    QVERIFY(qAbs(pinkArea.left() - printable.left()) <= 2 &&
            qAbs(pinkArea.top() - printable.top()) <= 2);
}

void TestDetail::printerThatRefusesIsReported() {
    Form3 window;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat); // with no file name it cannot begin
    QVERIFY(PrintWindowPage(window, printer).failed());
}

QTEST_MAIN(TestDetail)
#include "tst_detail.moc"
