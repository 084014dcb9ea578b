#include "SystemDesktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

#ifdef Q_OS_WIN
// windows.h first: shellapi.h uses its types.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#endif

namespace soranika {

bool SystemTextViewer::openTextFile(const QString& folder, const QString& fileName) {
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("notepad.exe"), {fileName}, folder);
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QDir(folder).filePath(fileName)));
#endif
}

void SystemAddressOpener::openAddress(const QString& address) {
#ifdef Q_OS_WIN
    // The system's "open" of the address, owned by the desktop, shown as it is (SW_SHOW); the
    // result is not looked at.
    const QByteArray file = address.toLocal8Bit();
    ShellExecuteA(GetDesktopWindow(), "open", file.constData(), nullptr, "", SW_SHOW);
#else
    // The answer only says whether a launcher was started, not whether a page opened.
    QDesktopServices::openUrl(QUrl(address));
#endif
}

} // namespace soranika
