#include "MessageBoxes.h"

namespace soranika {

QString ProblemText(const QString& what, const QString& where, const QString& reason) {
    return what + QStringLiteral("\n\n") + where + QStringLiteral("\n（") + reason +
           QStringLiteral("）");
}

Message ProblemMessage(const QString& what, const QString& where, const QString& reason) {
    return {.text = ProblemText(what, where, reason), .icon = Message::Icon::Warning};
}

} // namespace soranika
