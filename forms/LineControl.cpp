#include "LineControl.h"

#include "Twips.h"

#include <QPainter>

namespace soranika {

LineControl::LineControl(QWidget* parent, QPoint fromTwips, QPoint toTwips, int widthPixels)
    : QWidget(parent)
    , line_(QPoint(TwipsToPixels(fromTwips.x()), TwipsToPixels(fromTwips.y())),
            QPoint(TwipsToPixels(toTwips.x()), TwipsToPixels(toTwips.y())))
    , width_(widthPixels) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect bounds = QRect(line_.p1(), line_.p2()).normalized();
    setGeometry(bounds.adjusted(0, 0, width_, width_));
}

void LineControl::setColourRole(QPalette::ColorRole role) {
    colourRole_ = role;
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    const QColor colour = palette().color(colourRole_);
    QPainter painter(this);
    // Fill the pixels the line covers, width_ wide, below and to the right of its path.
    const QLine local = line_.translated(-pos());
    if (local.dy() == 0) {
        painter.fillRect(QRect(QPoint(qMin(local.x1(), local.x2()), local.y1()),
                               QSize(qAbs(local.dx()) + 1, width_)),
                         colour);
    } else if (local.dx() == 0) {
        painter.fillRect(QRect(QPoint(local.x1(), qMin(local.y1(), local.y2())),
                               QSize(width_, qAbs(local.dy()) + 1)),
                         colour);
    } else {
        painter.setPen(QPen(colour, width_));
        painter.drawLine(local);
    }
}

} // namespace soranika
