#include "QtMessageBoxes.h"

#include <QLabel>
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
    // Qt 6.8 lets the message be selected by mouse, and its label then takes the focus by a
    // click: Orca 48 takes a label that can take the focus for a control of its own and reads
    // only the title and the button. The message is there to be read, not selected.
    if (auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        text->setFocusPolicy(Qt::NoFocus);
    box.exec();
    return box.clickedButton() == ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

} // namespace soranika
