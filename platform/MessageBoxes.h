#pragma once

#include <QString>

class QWidget;

namespace soranika {

// A modal message box as the program's commands use it.
struct Message {
    enum class Buttons { Ok, OkCancel };
    enum class Icon { None, Warning, Information };

    QString text;
    QString title; // the application title unless a command gives its own
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

enum class MessageAnswer { Ok, Cancel };

// The text of a message about something that could not be done: what it was, then the file (or
// other place) it concerns and the system's reason, each on a line of its own.
QString ProblemText(const QString& what, const QString& where, const QString& reason);

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box over `parent` and waits for it; Escape and the close box answer Cancel when
    // there is a Cancel button. OK is the default button.
    virtual MessageAnswer show(QWidget* parent, const Message& message) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(QWidget* parent, const Message& message) override;
};

} // namespace soranika
