#pragma once

#include "Printing.h"

namespace soranika {

// The system's print dialog over Qt's printers (CUPS on Linux).
class QtPrinting final : public Printing {
public:
    bool hasPrinter() const override;
    std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) override;
};

} // namespace soranika
