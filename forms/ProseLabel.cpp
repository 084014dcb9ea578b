#include "ProseLabel.h"

#include <QPainter>
#include <QTextLayout>

namespace soranika {

namespace {

// Lays `text` out in `width` pixels and returns the height it takes; with a painter, draws it too.
int LayOut(const QString& text, const QFont& font, int width, QPainter* painter) {
    const int lineHeight = qMax(1, font.pixelSize());
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int y = 0;
    for (const QString& paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            // The glyphs sit on a common baseline; the faces' extra height is left out.
            line.setPosition(QPointF(0, y - (line.height() - lineHeight) / 2.0));
            y += lineHeight;
        }
        layout.endLayout();
        if (painter)
            layout.draw(painter, QPointF());
    }
    return y;
}

} // namespace

int ProseHeight(const QString& text, const QFont& font, int width) {
    return LayOut(text, font, width, nullptr);
}

QFont ProseFontToFit(const QString& text, const QFont& font, const QSize& room) {
    QFont fitted = font;
    const int designed = font.pixelSize();
    if (designed <= 0)
        return fitted;
    const int smallest = qMax(1, designed * 3 / 4);
    for (int size = designed; size >= smallest; --size) {
        fitted.setPixelSize(size);
        if (ProseHeight(text, fitted, room.width()) <= room.height())
            return fitted;
    }
    return fitted;
}

ProseLabel::ProseLabel(QWidget* parent)
    : CaptionLabel(parent) {}

int ProseLabel::heightForWidth(int width) const {
    const int chrome = height() - contentsRect().height() + 2 * margin();
    return ProseHeight(text(), font(),
                       width - (this->width() - contentsRect().width()) - 2 * margin()) +
           chrome;
}

void ProseLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect inside = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    painter.translate(inside.topLeft());
    painter.setClipRect(QRect(QPoint(), inside.size()));
    painter.setPen(palette().color(QPalette::WindowText));
    LayOut(text(), ProseFontToFit(text(), font(), inside.size()), inside.width(), &painter);
}

} // namespace soranika
