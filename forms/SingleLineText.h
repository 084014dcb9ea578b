#pragma once

#include <QString>
#include <QValidator>

namespace soranika {

// Each line break (CR LF, CR or LF) becomes one ASCII space. `cursor`, a position in `text`,
// moves with the characters before it.
QString LineBreaksToSpaces(const QString& text, int* cursor = nullptr);

// Keeps a one-line box on one line: text that is pasted, dropped or set with line breaks in it
// arrives with a space for each, so that what the box shows is what the program reads from it.
class SingleLineValidator final : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& input, int& cursor) const override;
};

} // namespace soranika
