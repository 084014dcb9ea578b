#pragma once

#include <QLineEdit>

namespace soranika {

// A one-line box for digits and Latin letters that takes no input-method composition: with a
// Japanese input method switched on, as Japanese users leave it, what is typed arrives as ASCII
// instead of full-width characters. QLineEdit answers the input method's "enabled?" itself,
// whatever the widget attribute says, so the answer is given here.
class LatinLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit LatinLineEdit(QWidget* parent = nullptr);
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
};

} // namespace soranika
