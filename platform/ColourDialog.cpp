#include "ColourDialog.h"

#include <QColorDialog>

namespace soranika {

std::optional<QColor> QtColourDialog::chooseColour(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

} // namespace soranika
