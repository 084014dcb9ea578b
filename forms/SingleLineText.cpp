#include "SingleLineText.h"

namespace soranika {

QString LineBreaksToSpaces(const QString& text, int* cursor) {
    QString joined;
    joined.reserve(text.size());
    int movedCursor = cursor ? *cursor : 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            // Two characters become one: a cursor after them moves back by one.
            if (cursor && *cursor > i + 1)
                --movedCursor;
            ++i;
            joined.append(u' ');
        } else if (c == u'\r' || c == u'\n') {
            joined.append(u' ');
        } else {
            joined.append(c);
        }
    }
    if (cursor)
        *cursor = movedCursor;
    return joined;
}

QValidator::State SingleLineValidator::validate(QString& input, int& cursor) const {
    if (input.contains(u'\r') || input.contains(u'\n'))
        input = LineBreaksToSpaces(input, &cursor);
    return Acceptable;
}

} // namespace soranika
