// Every text stays readable on every colour the colour dialog can give: across a grid of the
// colour cube, on all four windows and on the printed page.

#include "CaptionLabel.h"
#include "Contrast.h"
#include "DetailPage.h"
#include "FindControl.h"
#include "Fonts.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "JapaneseFonts.h"
#include "RunningProgram.h"
#include "TypeTable.h"
#include "WindowSetup.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTest>

using namespace soranika;
using namespace soranika::testing;
using namespace Qt::StringLiterals;

namespace {

// Six levels a channel: 216 colours from black to white, the dialog's basic colours among them.
QList<QColor> ColourGrid() {
    QList<QColor> grid;
    for (int red = 0; red <= 255; red += 51)
        for (int green = 0; green <= 255; green += 51)
            for (int blue = 0; blue <= 255; blue += 51)
                grid.append(QColor(red, green, blue));
    return grid;
}

// The window as it is drawn without its transparent labels: each pixel is what shows behind them.
// Read from the pixels, not worked out from the controls, so that a wrong idea of what lies
// behind a label in the program cannot be repeated here.
QImage DrawnWithoutLabels(QWidget* window, const QList<CaptionLabel*>& labels) {
    for (CaptionLabel* label : labels)
        label->hide();
    const QImage drawn = window->grab().toImage();
    for (CaptionLabel* label : labels)
        label->show();
    return drawn;
}

// The colour drawn behind the middle of a label.
QColor DrawnBehind(const QImage& drawn, const QWidget* window, const QWidget* label) {
    const QPoint middle = label->mapTo(window, label->rect().center());
    return drawn.pixelColor(middle * drawn.devicePixelRatio());
}

} // namespace

class TestReadability : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void contrastRatios();
    void everyLabelOnEveryColour();
    void designedColoursStayWhereReadable();
    void printedPageOnADarkColour();
};

void TestReadability::initTestCase() {
    if (const QString missing = MissingJapaneseFonts(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    InstallFontSubstitutions();
}

void TestReadability::contrastRatios() {
    QCOMPARE(qRound(ContrastRatio(Qt::black, Qt::white) * 100), 2100);
    QCOMPARE(ContrastRatio(QColor(200, 10, 10), QColor(200, 10, 10)), 1.0);
    // Blue on the default pale pink: readable, so the about window keeps its blue.
    QCOMPARE(qRound(ContrastRatio(Qt::blue, QColor(255, 192, 192)) * 100), 555);
    QCOMPARE(ReadableTextColour(Qt::blue, QColor(255, 192, 192)), QColor(Qt::blue));
    QCOMPARE(ReadableTextColour(Qt::black, QColor(40, 58, 90)), QColor(Qt::white));
    QCOMPARE(ReadableTextColour(Qt::blue, QColor(0, 0, 128)), QColor(Qt::white));
    QCOMPARE(ReadableTextColour(Qt::white, QColor(255, 255, 0)), QColor(Qt::black));
    // Mid grey, where black and white are nearly alike: the better of the two still reads.
    const QColor grey(118, 118, 118);
    QVERIFY(ContrastRatio(ReadableTextColour(Qt::blue, grey), grey) >= LeastReadableContrast);
}

void TestReadability::everyLabelOnEveryColour() {
    RunningProgram program;
    QVERIFY(program.start());
    Form1& form = *program.form;
    const QList<QWidget*> windows{form.centralWidget(), form.form2(), form.form3(), form.form4()};
    // Shown, as they are in use, so that the labels can be taken out of the picture and put back.
    for (QWidget* window : windows.mid(1))
        window->show();
    int checked = 0;
    for (const QColor& colour : ColourGrid()) {
        for (QWidget* window : windows)
            SetBackground(window, colour);
        for (QWidget* window : windows) {
            QList<CaptionLabel*> labels;
            for (CaptionLabel* label : window->findChildren<CaptionLabel*>()) {
                // The white boxes keep black on white; labels hidden by design are not seen.
                if (!label->autoFillBackground() && label->isVisible())
                    labels.append(label);
            }
            const QImage drawn = DrawnWithoutLabels(window, labels);
            for (const CaptionLabel* label : labels) {
                const QColor text = label->palette().color(QPalette::WindowText);
                const double ratio = ContrastRatio(text, DrawnBehind(drawn, window, label));
                QVERIFY2(
                    ratio >= LeastReadableContrast,
                    qPrintable(u"%1 of %2 on %3: %4"_s
                                   .arg(label->objectName(), window->objectName(), colour.name())
                                   .arg(ratio)));
                ++checked;
            }
        }
    }
    QVERIFY(checked >= 216 * 25); // every transparent label of the four windows
}

void TestReadability::designedColoursStayWhereReadable() {
    RunningProgram program;
    QVERIFY(program.start());
    Form1& form = *program.form;
    // The default pale pink keeps the design: black labels, the about window in blue.
    QCOMPARE(
        Find<CaptionLabel>(*form.centralWidget(), "Label8")->palette().color(QPalette::WindowText),
        QColor(Qt::black));
    QCOMPARE(Find<CaptionLabel>(*form.form4(), "Label5")->palette().color(QPalette::WindowText),
             QColor(Qt::blue));
    // A dark slate: white text; the title on the white prose box stays dark.
    program.system.colours.answers.push_back(QColor(0x28, 0x3A, 0x5A));
    Choose(form, "Mnu_iro");
    QCOMPARE(
        Find<CaptionLabel>(*form.centralWidget(), "Label8")->palette().color(QPalette::WindowText),
        QColor(Qt::white));
    QCOMPARE(Find<CaptionLabel>(*form.form4(), "Label5")->palette().color(QPalette::WindowText),
             QColor(Qt::white));
    QCOMPARE(
        Find<CaptionLabel>(*form.centralWidget(), "Label6")->palette().color(QPalette::WindowText),
        QColor(Qt::black));
    // The detail window's rules and the frame of the about window's link turn light too.
    QCOMPARE(Find<QWidget>(*form.form3(), "Line2")->palette().color(QPalette::WindowText),
             QColor(Qt::white));
    // The frame of the about window's link is drawn in the window's text colour.
    QCOMPARE(Find<QWidget>(*form.form4(), "Line1")->palette().color(QPalette::WindowText),
             QColor(Qt::white));
    // And back.
    Choose(form, "Mnu_ColorMoto");
    QCOMPARE(Find<CaptionLabel>(*form.form4(), "Label5")->palette().color(QPalette::WindowText),
             QColor(Qt::blue));
}

void TestReadability::printedPageOnADarkColour() {
    // The page as Print draws it: recorded as a picture, replayed at the printer's scale.
    Form3 page;
    DetailPage content = MakeDetailPage({}, u"山田花子"_s, false, QDateTime());
    content.title = TypeTable::Title(48).toString();
    content.background = QColor(0x28, 0x3A, 0x5A);
    (void)page.fill(content); // no picture folder: the page without its picture
    QPicture picture;
    {
        QPainter recorder(&picture);
        page.render(&recorder, QPoint(), QRegion(page.rect()),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    QImage printed(page.size() * 2, QImage::Format_RGB32);
    {
        QPainter painter(&printed);
        painter.scale(2, 2);
        painter.drawPicture(0, 0, picture);
    }
    // In the middle of the title's box, away from the icons beside it, the glyphs stand out
    // from the window colour.
    const QRect box = Find<CaptionLabel>(page, "Label9")->geometry();
    const QRect title(box.center().x() - 60, box.top(), 120, box.height());
    double best = 1;
    for (int y = title.top() * 2; y <= title.bottom() * 2; ++y)
        for (int x = title.left() * 2; x <= title.right() * 2; ++x)
            best = qMax(best, ContrastRatio(printed.pixelColor(x, y), content.background));
    QVERIFY2(best >= LeastReadableContrast, qPrintable(QString::number(best)));
}

QTEST_MAIN(TestReadability)
#include "tst_readability.moc"
