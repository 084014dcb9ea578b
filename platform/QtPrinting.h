#pragma once

#include "Printing.h"

#include <QString>

namespace soranika {

// The PDF file proposed for a document: its name, made safe for a file name, in the documents
// folder, or in the home folder when there is no documents folder.
QString ProposedPdfFile(const QString& documentName, const QString& documentsFolder,
                        const QString& homeFolder);

// The system's print dialog over Qt's printers (CUPS on Linux).
class QtPrinting final : public Printing {
public:
    bool hasPrinter() const override;
    std::unique_ptr<QPrinter> choosePrinter(QWidget* parent, const QString& documentName) override;
};

} // namespace soranika
