#include "MessageBoxes.h"

#include "FormLayout.h"

#include <QMessageBox>
#include <QPushButton>

namespace soranika {

QString ProblemText(const QString& what, const QString& where, const QString& reason) {
    return what + QStringLiteral("\n\n") + where + QStringLiteral("\n（") + reason +
           QStringLiteral("）");
}

MessageAnswer QtMessageBoxes::show(QWidget* parent, const Message& message) {
    QMessageBox box(parent);
    box.setWindowTitle(message.title);
    box.setText(message.text);
    box.setTextFormat(Qt::PlainText);
    box.setWindowIcon(ProgramIcon());
    switch (message.icon) {
    case Message::Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Message::Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Message::Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    QAbstractButton* ok = box.addButton(QMessageBox::Ok);
    if (message.buttons == Message::Buttons::OkCancel)
        box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(qobject_cast<QPushButton*>(ok));
    box.exec();
    return box.clickedButton() == ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

} // namespace soranika
