#include "QtPrinting.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace soranika {

bool QtPrinting::hasPrinter() const {
#ifdef Q_OS_WIN
    return !QPrinterInfo::availablePrinterNames().isEmpty();
#else
    // Qt's own dialog always offers to print to a PDF file.
    return true;
#endif
}

std::unique_ptr<QPrinter> QtPrinting::choosePrinter(QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent);
    // One page is printed whatever the dialog says; page ranges would only confuse.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

} // namespace soranika
