#include "Application.h"

#include "FormLayout.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace soranika {

void PrepareApplication(QApplication& app) {
    InstallFontSubstitutions();
    QApplication::setFont(MakeFont({9}));
    QApplication::setWindowIcon(ProgramIcon());
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace soranika
