#include "MessageBoxes.h"

namespace soranika {

QString ProblemText(const QString& what, const QString& where, const QString& reason) {
    return what + QStringLiteral("\n\n") + where + QStringLiteral("\n（") + reason +
           QStringLiteral("）");
}

} // namespace soranika
