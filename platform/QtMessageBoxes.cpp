#include "QtMessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace soranika {

namespace {

QMessageBox::Icon BoxIcon(Message::Icon icon) {
    switch (icon) {
    case Message::Icon::Warning:
        return QMessageBox::Warning;
    case Message::Icon::Information:
        return QMessageBox::Information;
    case Message::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtMessageBoxes::show(QWidget* parent, const Message& message) {
    QMessageBox box(parent);
    box.setWindowTitle(message.title);
    box.setText(message.text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(BoxIcon(message.icon));
    QAbstractButton* ok = box.addButton(QMessageBox::Ok);
    if (message.buttons == Message::Buttons::OkCancel)
        box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(qobject_cast<QPushButton*>(ok));
    // With Qt 6.8 Orca 48 reads nothing of the box but its title, its description and the
    // button that has the focus: the message is its description. Orca 43, beside Qt 6.4, reads
    // the message from the box itself, and would say it twice.
    if (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0))
        box.setAccessibleDescription(message.text);
    box.exec();
    return box.clickedButton() == ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

} // namespace soranika
