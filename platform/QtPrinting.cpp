#include "QtPrinting.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace soranika {

QString ProposedPdfFile(const QString& documentName, const QString& documentsFolder,
                        const QString& homeFolder) {
    // Characters no file system here or on Windows takes in a name become spaces.
    QString name;
    for (const QChar c : documentName) {
        const bool refused = c.unicode() < 0x20 || QStringView(u"/\\:*?\"<>|").contains(c);
        name += refused ? u' ' : c;
    }
    name = name.trimmed();
    if (name.isEmpty() || name.startsWith(u'.'))
        name.prepend(QStringLiteral("print"));
    const QString folder = QFileInfo(documentsFolder).isDir() ? documentsFolder : homeFolder;
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

bool QtPrinting::hasPrinter() const {
#ifdef Q_OS_WIN
    return !QPrinterInfo::availablePrinterNames().isEmpty();
#else
    // Qt's own dialog always offers to print to a PDF file.
    return true;
#endif
}

std::unique_ptr<QPrinter> QtPrinting::choosePrinter(QWidget* parent, const QString& documentName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(documentName);
    QPrintDialog dialog(printer.get(), parent);
    // One page is printed whatever the dialog says; page ranges would only confuse.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    // Qt's own dialog proposes the home folder itself as the PDF file on Wayland, and print.pdf
    // or the bare document name in the working folder on X11. Giving the printer a file name
    // would make the PDF file the chosen printer, so the proposal goes into the dialog's file
    // box; a dialog without one (Windows, a future Qt) is left as it is.
    if (auto* fileBox = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
        fileBox->setText(QDir::toNativeSeparators(ProposedPdfFile(
            documentName, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QDir::homePath())));
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

} // namespace soranika
