#include "Application.h"

#include "Accessibility.h"
#include "Fonts.h"
#include "ProgramPictures.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace soranika {

void PrepareApplication(QApplication& app) {
    InstallFontSubstitutions();
    InstallAccessibility();
    // Ties the windows to the installed desktop entry, for the desktop's icon and grouping.
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.example.soranika"));
    QApplication::setFont(MakeFont({9}));
    QApplication::setWindowIcon(ProgramIcon());
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace soranika
