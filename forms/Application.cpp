#include "Application.h"

#include "Accessibility.h"
#include "Fonts.h"
#include "ProgramPictures.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace soranika {

void PrepareApplication(QApplication& app) {
    InstallFontSubstitutions();
    InstallAccessibility();
    QApplication::setFont(MakeFont({9}));
    QApplication::setWindowIcon(ProgramIcon());
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace soranika
