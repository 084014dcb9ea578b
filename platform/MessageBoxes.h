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
