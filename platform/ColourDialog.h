#pragma once

#include <QColor>

#include <optional>

class QWidget;

namespace soranika {

// The system colour picker: it opens on `initial` and answers the chosen colour, or nothing when
// the user cancels.
class ColourDialog {
public:
    virtual ~ColourDialog() = default;
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;
};

class QtColourDialog final : public ColourDialog {
public:
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
};

} // namespace soranika
