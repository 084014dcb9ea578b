#pragma once

#include <QLine>
#include <QPalette>
#include <QWidget>

namespace soranika {

// A straight line drawn on a window, in a colour of its palette (the window's text colour unless
// told otherwise), so that it follows the window's colours.
class LineControl : public QWidget {
    Q_OBJECT

public:
    LineControl(QWidget* parent, QPoint fromTwips, QPoint toTwips, int widthPixels);
    void setColourRole(QPalette::ColorRole role);
    QLine line() const { return line_; } // in the parent's pixels

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine line_;
    int width_;
    QPalette::ColorRole colourRole_ = QPalette::WindowText;
};

} // namespace soranika
