#include "CompactComboStyle.h"

#include <QStyleOptionComplex>

namespace soranika {

QRect CompactComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                        SubControl part, const QWidget* widget) const {
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    if (control != CC_ComboBox)
        return rect;
    const QRect frame = option->rect;
    if (part == SC_ComboBoxArrow)
        rect.setLeft(frame.right() - ArrowWidth);
    else if (part == SC_ComboBoxEditField)
        rect = QRect(frame.left() + 3, rect.top(), frame.width() - ArrowWidth - 5, rect.height());
    return rect;
}

int CompactComboStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                 QStyleHintReturn* returned) const {
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returned);
}

QStyle* CompactComboStyle::shared() {
    static CompactComboStyle* style = new CompactComboStyle;
    return style;
}

} // namespace soranika
