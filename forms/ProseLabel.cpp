#include "ProseLabel.h"

#include <QPainter>
#include <QTextLayout>

namespace soranika {

ProseLabel::ProseLabel(QWidget* parent)
    : CaptionLabel(parent) {}

int ProseLabel::heightForWidth(int width) const {
    const int chrome = height() - contentsRect().height() + 2 * margin();
    return layOut(width - (this->width() - contentsRect().width()) - 2 * margin(), nullptr) +
           chrome;
}

void ProseLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect inside = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    painter.translate(inside.topLeft());
    painter.setClipRect(QRect(QPoint(), inside.size()));
    painter.setPen(palette().color(QPalette::WindowText));
    layOut(inside.width(), &painter);
}

int ProseLabel::layOut(int width, QPainter* painter) const {
    const int lineHeight = qMax(1, font().pixelSize());
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int y = 0;
    for (const QString& paragraph : text().split(u'\n')) {
        QTextLayout layout(paragraph, font());
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

} // namespace soranika
