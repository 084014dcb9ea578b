#include "Desktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

namespace soranika {

bool SystemTextViewer::openTextFile(const QString& folder, const QString& fileName) {
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("notepad.exe"), {fileName}, folder);
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QDir(folder).filePath(fileName)));
#endif
}

void SystemAddressOpener::openAddress(const QString& address) {
    // The answer only says whether a launcher was started, not whether a page opened.
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace soranika
