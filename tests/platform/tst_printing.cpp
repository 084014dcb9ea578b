// The real print dialog, as a user who prints to a PDF file meets it: the file it proposes, and
// the printer it hands back when that proposal is accepted at once.

#include "QtPrinting.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace soranika;
using namespace Qt::StringLiterals;

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void proposedFileIsNamedAfterTheDocument_data();
    void proposedFileIsNamedAfterTheDocument();
    void dialogProposesAFileInTheDocumentsFolder();
};

void TestPrinting::proposedFileIsNamedAfterTheDocument_data() {
    QTest::addColumn<QString>("documentName");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("type title") << u"ソラニカ - 磁気を帯びたイノシシ"_s
                                << u"ソラニカ - 磁気を帯びたイノシシ.pdf"_s;
    QTest::newRow("separators and Windows' reserved characters")
        << u"a/b\\c:d*e?f\"g<h>i|j"_s << u"a b c d e f g h i j.pdf"_s;
    QTest::newRow("control characters") << u"a\tb\r\nc"_s << u"a b  c.pdf"_s;
    QTest::newRow("nothing left") << u" / "_s << u"print.pdf"_s;
    QTest::newRow("no hidden file") << u".."_s << u"print...pdf"_s;
}

void TestPrinting::proposedFileIsNamedAfterTheDocument() {
    QFETCH(QString, documentName);
    QFETCH(QString, fileName);
    QTemporaryDir home;
    const QString documents = home.filePath(u"ドキュメント"_s);
    // Until the documents folder exists, the file goes into the home folder.
    QCOMPARE(ProposedPdfFile(documentName, documents, home.path()), home.filePath(fileName));
    QVERIFY(QDir().mkpath(documents));
    QCOMPARE(ProposedPdfFile(documentName, documents, home.path()),
             QDir(documents).filePath(fileName));
}

void TestPrinting::dialogProposesAFileInTheDocumentsFolder() {
#ifdef Q_OS_WIN
    QSKIP("Windows' own print dialog asks for the file itself, when the PDF printer prints.");
#endif
    // Qt's own proposal on any platform but X11 is the home folder itself, which the dialog
    // then refuses as a file name.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(u"config"_s).toLocal8Bit());
    QVERIFY(QDir(home.path()).mkdir(u"Documents"_s));
    const QString expected = home.filePath(u"Documents/ソラニカ - 磁気を帯びたイノシシ.pdf"_s);

    QString proposed;
    QTimer::singleShot(0, [&proposed] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* fileBox = dialog->findChild<QLineEdit*>(u"filename"_s);
        QVERIFY(fileBox);
        proposed = fileBox->text();
        // The user picks the PDF file, the last entry of the printer list, and prints.
        auto* printers = dialog->findChild<QComboBox*>(u"printers"_s);
        QVERIFY(printers);
        printers->setCurrentIndex(printers->count() - 1);
        dialog->accept();
    });
    QtPrinting printing;
    const std::unique_ptr<QPrinter> printer =
        printing.choosePrinter(nullptr, u"ソラニカ - 磁気を帯びたイノシシ"_s);
    QCOMPARE(proposed, expected);
    QVERIFY(printer);
    QCOMPARE(printer->outputFormat(), QPrinter::PdfFormat);
    QCOMPARE(printer->outputFileName(), expected);
    QCOMPARE(printer->docName(), u"ソラニカ - 磁気を帯びたイノシシ"_s);
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
