#include "Application.h"

#include "Accessibility.h"
#include "Fonts.h"
#include "ProgramPictures.h"
#include "ProjectIdentity.h"

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
    QGuiApplication::setDesktopFileName(QStringLiteral(SORANIKA_APP_ID));
    QApplication::setFont(MakeFont({9}));
    QApplication::setWindowIcon(ProgramIcon());
    // Japanese on Qt's own dialogs (the colour dialog, the buttons): from the program folder,
    // where the Windows build ships them, else from where the system's Qt keeps them.
    auto* translator = new QTranslator(&app);
    for (const QString& folder :
         {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                             QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            break;
        }
    }
}

} // namespace soranika
