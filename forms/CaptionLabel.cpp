#include "CaptionLabel.h"

#include <QFontMetrics>
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

int InkWidth(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    return qMax(metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1);
}

QFont CondensedToFit(const QFont& font, const QString& text, int width) {
    constexpr int kNarrowestStretch = 60;
    QFont fitted = font;
    const QStringList lines = text.split(u'\n');
    const auto fits = [&] {
        for (const QString& line : lines) {
            // One pixel spare: a glyph may come out a little wider than measured.
            if (InkWidth(fitted, line) + 1 > width)
                return false;
        }
        return true;
    };
    for (int stretch = 100; stretch > kNarrowestStretch; --stretch) {
        fitted.setStretch(stretch);
        if (fits())
            return fitted;
    }
    fitted.setStretch(kNarrowestStretch);
    return fitted;
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
    designedFont_ = font();
    setGeometry(designed);
    fitToText();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void CaptionLabel::fitToText() {
    if (sizing_ == Sizing::CondenseToFit)
        setFont(CondensedToFit(designedFont_, text(), designed_.width() - 2 * margin()));
    else if (sizing_ != Sizing::Fixed)
        setGeometry(FittedGeometry(sizing_, designed_, sizeHint()));
}

} // namespace soranika
