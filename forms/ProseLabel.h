#pragma once

#include "CaptionLabel.h"

class QPainter;

namespace soranika {

// The white, bordered box of a type's prose. It breaks its text at its width like a label, but
// sets its lines one font size apart, without the extra space of the Japanese faces, so that
// the longest prose fits the box the layout gives it.
class ProseLabel : public CaptionLabel {
    Q_OBJECT

public:
    explicit ProseLabel(QWidget* parent = nullptr);
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Lays the shown text out in `width` pixels and returns the height it takes; with a painter,
    // draws it too.
    int layOut(int width, QPainter* painter) const;
};

} // namespace soranika
