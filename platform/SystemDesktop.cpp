#include "SystemDesktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

#ifdef Q_OS_WIN
#include "WindowsApi.h"
#endif

namespace soranika {

Result<> SystemTextViewer::openTextFile(const QString& folder, const QString& fileName) {
#ifdef Q_OS_WIN
    QProcess notepad;
    notepad.setProgram(QStringLiteral("notepad.exe"));
    notepad.setArguments({fileName});
    notepad.setWorkingDirectory(folder);
    if (!notepad.startDetached())
        return Failure{notepad.errorString()};
    return {};
#else
    // The desktop only answers whether it found a program for the file, never why not.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QDir(folder).filePath(fileName))))
        return Failure{QStringLiteral("ファイルを開くプログラムが見つかりません")};
    return {};
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
