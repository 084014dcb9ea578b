#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace soranika {

QString ProgramFolder::filePath(const QString& name) const {
    return QDir(path()).filePath(name);
}

QString ExecutableFolder::path() const {
    return QCoreApplication::applicationDirPath();
}

bool ExecutableFolder::makeWorkingFolder() {
    return QDir::setCurrent(path());
}

} // namespace soranika
