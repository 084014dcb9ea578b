#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace soranika {

// The system's print dialog: the printer the user chose, ready to print on, or nothing when the
// user cancelled.
class Printing {
public:
    virtual ~Printing() = default;
    // Whether the dialog would have anything to print on. Windows' own dialog has nothing to
    // offer when no printer is set up, and closes without a word.
    virtual bool hasPrinter() const = 0;
    // `documentName` names the print job, and the file proposed when printing to a PDF file.
    virtual std::unique_ptr<QPrinter> choosePrinter(QWidget* parent,
                                                    const QString& documentName) = 0;
};

} // namespace soranika
