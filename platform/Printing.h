#pragma once

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
    virtual std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) = 0;
};

} // namespace soranika
