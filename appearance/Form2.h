#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace soranika {

// The explanation window: the help text "readme.txt" in one read-only text box.
class Form2 : public QWidget {
    Q_OBJECT

public:
    Form2();
    // Replaces the text the box shows.
    void setHelpText(const QString& text);

private:
    QPlainTextEdit* Text1 = nullptr;
};

} // namespace soranika
