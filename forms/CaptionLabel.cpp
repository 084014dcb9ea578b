#include "CaptionLabel.h"

#include <QMouseEvent>

namespace soranika {

QString ShownCaption(const QString& caption) {
    QString shown = caption;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

QRect FittedGeometry(Sizing sizing, const QRect& designed, const QSize& textSize) {
    if (sizing == Sizing::Fixed)
        return designed;
    QRect box(designed.topLeft(), textSize);
    if (sizing == Sizing::ToTextKeepCentre)
        box.moveLeft(designed.left() + (designed.width() - textSize.width()) / 2);
    return box;
}

CaptionLabel::CaptionLabel(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void CaptionLabel::setCaption(const QString& caption) {
    caption_ = caption;
    setText(ShownCaption(caption));
    fitToText();
}

void CaptionLabel::setSizing(Sizing sizing, const QRect& designed) {
    sizing_ = sizing;
    designed_ = designed;
    setGeometry(designed);
    fitToText();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void CaptionLabel::fitToText() {
    if (sizing_ != Sizing::Fixed)
        setGeometry(FittedGeometry(sizing_, designed_, sizeHint()));
}

} // namespace soranika
