#pragma once

#include "MessageBoxes.h"

namespace soranika {

// QMessageBox, with the program's icon from the application and Japanese button texts.
class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(QWidget* parent, const Message& message) override;
};

} // namespace soranika
