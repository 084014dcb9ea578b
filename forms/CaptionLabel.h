#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

#include <functional>

namespace soranika {

// How a label takes its size from its text.
enum class Sizing {
    Fixed,            // keeps its designed box
    ToTextKeepLeft,   // grows and shrinks from its designed top-left corner
    ToTextKeepCentre, // keeps its designed horizontal centre and top
    CondenseToFit     // keeps its designed box; a wider text is set narrower, just enough
};

// The width a text takes in a font, to where its ink ends: italic glyphs lean past their advance.
int InkWidth(const QFont& font, const QString& text);

// `font` as wide as it is, or narrower (down to 60 %) until the widest line of `text` fits in
// `width` pixels. Fonts differ in width from system to system; a date must not lose its seconds.
QFont CondensedToFit(const QFont& font, const QString& text, int width);

// The widest font stretch, from 100 down to 60 percent, at which `fits` holds (60 when it holds at
// none), asking it a handful of times: a text of a megabyte takes long to measure.
int WidestStretchThatFits(const std::function<bool(int stretch)>& fits);

// The text a label shows for a caption: each carriage return starts a new line, as do CR LF and
// LF. The program's captions break lines with a bare CR, which Qt's labels would draw as a gap.
QString ShownCaption(const QString& caption);

// Where a label sized to its text goes: `textSize` placed by the rule of `sizing` in the box it
// was designed with.
QRect FittedGeometry(Sizing sizing, const QRect& designed, const QSize& textSize);

// A label whose caption is kept as given, while the screen shows it by ShownCaption().
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget* parent = nullptr);
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setSizing(Sizing sizing, const QRect& designed);
    // Shows the caption sized by the label's rule and font in another box, fitted once: a long
    // text is slow to measure.
    void setCaption(const QString& caption, const QRect& designed);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitToText();

    QString caption_;
    Sizing sizing_ = Sizing::Fixed;
    QRect designed_;
    QFont designedFont_;
};

} // namespace soranika
