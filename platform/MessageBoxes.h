#pragma once

#include <QString>

class QWidget;

namespace soranika {

// The program's name as the main window's title shows it; also the title of every message box
// that is given none of its own.
inline const QString ApplicationTitle = QStringLiteral("ソラニカVer1.0");

// A modal message box as the program's commands use it.
struct Message {
    enum class Buttons { Ok, OkCancel };
    enum class Icon { None, Warning, Information };

    QString text;
    QString title = ApplicationTitle;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

enum class MessageAnswer { Ok, Cancel };

// The text of a message about something that could not be done: what it was, then the file (or
// other place) it concerns and the system's reason, each on a line of its own.
QString ProblemText(const QString& what, const QString& where, const QString& reason);
// The warning box that says it.
Message ProblemMessage(const QString& what, const QString& where, const QString& reason);

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box over `parent` and waits for it. OK is the default button and the only answer
    // that is Ok: where there is a Cancel button, Cancel, Escape and the close box answer Cancel.
    virtual MessageAnswer show(QWidget* parent, const Message& message) = 0;
};

} // namespace soranika
