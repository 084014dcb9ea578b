#pragma once

#include <QProxyStyle>

namespace soranika {

// The date boxes are as narrow as the layout designed them; a slimmer arrow and margin leave room
// for two digits in the day list.
class CompactComboStyle final : public QProxyStyle {
public:
    static constexpr int ArrowWidth = 14;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;

    // One style shared by every combo box; it lives as long as the program.
    static QStyle* shared();
};

} // namespace soranika
