#include "CaptionLabel.h"

#include <QFontMetrics>
#include <QMouseEvent>

#include <algorithm>

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

int WidestStretchThatFits(const std::function<bool(int stretch)>& fits) {
    constexpr int kWidest = 100;
    constexpr int kNarrowest = 60;
    if (fits(kWidest))
        return kWidest;
    if (!fits(kNarrowest))
        return kNarrowest;
    // A text only widens with the stretch: halve the span between one that fits and one that
    // does not.
    int fitting = kNarrowest;
    int tooWide = kWidest;
    while (tooWide - fitting > 1) {
        const int middle = (fitting + tooWide) / 2;
        (fits(middle) ? fitting : tooWide) = middle;
    }
    return fitting;
}

QFont CondensedToFit(const QFont& font, const QString& text, int width) {
    QFont fitted = font;
    const QStringList lines = text.split(u'\n');
    fitted.setStretch(WidestStretchThatFits([&](int stretch) {
        fitted.setStretch(stretch);
        // One pixel spare: a glyph may come out a little wider than measured.
        return std::ranges::all_of(
            lines, [&](const QString& line) { return InkWidth(fitted, line) + 1 <= width; });
    }));
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

void CaptionLabel::setCaption(const QString& caption, const QRect& designed) {
    designed_ = designed;
    setGeometry(designed);
    setCaption(caption);
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
