#pragma once

#include <QProxyStyle>

namespace soranika {

// The date boxes are as narrow as the layout designed them; a slimmer arrow and margin leave room
// for two digits in the day list. A list opens below its box and scrolls, as on Windows: Fusion's
// own list shows every item at once over the box, and the 31 days ran off the screen.
class CompactComboStyle final : public QProxyStyle {
public:
    static constexpr int ArrowWidth = 14;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override;

    // One style shared by every combo box; it lives as long as the program.
    static QStyle* shared();
};

} // namespace soranika
