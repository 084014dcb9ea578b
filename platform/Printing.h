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
    virtual std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) = 0;
};

} // namespace soranika
