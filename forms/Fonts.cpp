#include "Fonts.h"

#include <QFontDatabase>
#include <QHash>

namespace soranika {

namespace {

// The installed face that stands for a face name of the tables. Asking fontconfig to substitute
// a face it does not know is slow, and every font of every window would ask again.
QString InstalledFamily(const QString& family) {
    static QHash<QString, QString> resolved;
    const auto known = resolved.constFind(family);
    if (known != resolved.cend())
        return *known;
    QString installed = family;
#ifdef Q_OS_WIN
    // A Windows that has the face the tables name uses it, whatever else is installed.
    if (QFontDatabase::hasFamily(family)) {
        resolved.insert(family, family);
        return family;
    }
#endif
    for (const QString& substitute : QFont::substitutes(family)) {
        if (QFontDatabase::hasFamily(substitute)) {
            installed = substitute;
            break;
        }
    }
    resolved.insert(family, installed);
    return installed;
}

} // namespace

QFont MakeFont(const FontSpec& style) {
    QFont font(InstalledFamily(style.family));
    font.setPixelSize(qRound(style.points * 96.0 / 72.0));
    if (style.weight > 0)
        font.setWeight(static_cast<QFont::Weight>(style.weight));
    else
        font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void InstallFontSubstitutions() {
    // IPA P Gothic is proportional like MS P Gothic and close to it in metrics; IPA Gothic is the
    // fixed-pitch companion. Bold and italic are synthesised from the regular face.
    const QStringList proportional{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    const QStringList fixedPitch{QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")};
    for (const QString& name :
         {GothicFamily, QStringLiteral("MS PGothic"), QStringLiteral("MS UI Gothic")})
        QFont::insertSubstitutions(name, proportional);
    for (const QString& name : {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic")})
        QFont::insertSubstitutions(name, fixedPitch);
    // The heavy gothic of the about window's title: M+ 1 has the weights up to black.
    QFont::insertSubstitutions(QStringLiteral("ＨＧｺﾞｼｯｸE-PRO"),
                               {QStringLiteral("M PLUS 1"), QStringLiteral("IPAPGothic")});
}

} // namespace soranika
