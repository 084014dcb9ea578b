#pragma once

#include "CaptionLabel.h"

class QPainter;

namespace soranika {

// The height `text` takes when set in `font` at `width` pixels, lines one font size apart.
int ProseHeight(const QString& text, const QFont& font, int width);

// `font`, or a smaller size of it (down to three quarters) where the text would run out of
// `room`: another system's face may set the same prose wider, and no line of it may be lost.
QFont ProseFontToFit(const QString& text, const QFont& font, const QSize& room);

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
};

} // namespace soranika
