#pragma once

#include <QColor>
#include <QLine>
#include <QPalette>
#include <QWidget>

#include <variant>

namespace soranika {

// A straight line drawn on a window, in a fixed colour or a colour of the palette.
class LineControl : public QWidget {
    Q_OBJECT

public:
    LineControl(QWidget* parent, QPoint fromTwips, QPoint toTwips, int widthPixels);
    void setColour(QColor colour);
    void setColourRole(QPalette::ColorRole role);
    QLine line() const { return line_; } // in the parent's pixels

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine line_;
    int width_;
    std::variant<QColor, QPalette::ColorRole> colour_ = QPalette::WindowText;
};

} // namespace soranika
