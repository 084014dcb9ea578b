#pragma once

#include "CaptionLabel.h"

namespace soranika {

// A label that is a link: the pointing hand over it, and reachable without a mouse — Tab gives it
// the focus (shown by a focus frame), Enter or Space opens it as a click does. Screen readers see
// a link with a press action.
class LinkLabel : public CaptionLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);
    // Opens the link: what a click, Enter, Space and the press action all do.
    void activate();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace soranika
