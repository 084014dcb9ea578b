#pragma once

// The window tests measure text in the Japanese gothic that stands in for "ＭＳ Ｐゴシック".
// Without it every width and line break differs, and the failures would say nothing about the
// program.

#include <QFontDatabase>
#include <QString>

namespace soranika::testing {

// Why the window tests cannot run here, or an empty text.
inline QString MissingJapaneseFonts() {
    if (QFontDatabase::hasFamily(QStringLiteral("IPAPGothic")))
        return {};
    return QStringLiteral(
        "the IPA gothic faces are not installed "
        "(Debian package fonts-ipafont-gothic; scripts/setup-debian.sh installs it)");
}

} // namespace soranika::testing
