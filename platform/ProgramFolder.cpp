#include "ProgramFolder.h"

#include "DurableFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace soranika {

QString ProgramFolder::filePath(const QString& name) const {
    return QDir(path()).filePath(name);
}

QString ProgramFolder::historyFilePath(const QString& name) const {
    return QDir(historyFolder()).filePath(name);
}

void ProgramFolder::makeHistoryFolder() const {
    (void)MakeFolderDurably(historyFolder());
}

InstallLayout BuiltInstallLayout() {
#ifdef SORANIKA_SYSTEM_WIDE_LAYOUT
    return InstallLayout::SystemWide;
#else
    return InstallLayout::OneFolder;
#endif
}

QString ExecutableFolder::path() const {
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (layout_ == InstallLayout::OneFolder)
        return programFolder;
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/soranika"));
}

QString ExecutableFolder::historyFolder() const {
    if (layout_ == InstallLayout::OneFolder)
        return path();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("soranika"));
}

bool ExecutableFolder::makeWorkingFolder() {
    return QDir::setCurrent(path());
}

} // namespace soranika
