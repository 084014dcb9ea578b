#include "HistoryText.h"

#include "Cp932.h"
#include "RegularFile.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#endif

namespace soranika {

namespace {

// Only "there is nothing" counts as missing: a folder that may not be searched or a file that
// may not be read is a problem the user has to hear of.
bool IsMissing(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat status{};
    return ::stat(QFile::encodeName(path).constData(), &status) != 0 && errno == ENOENT;
#else
    return !QFileInfo::exists(path);
#endif
}

// Where the first line begins that starts after the first byte. A line ends at LF, at CR LF and
// at a lone CR (the prose of each entry starts with two). Neither CR nor LF is ever the second
// byte of a code page 932 character, so a line start is also a character start.
qsizetype FirstLineStartAfterCut(QByteArrayView bytes) {
    for (qsizetype i = 1; i < bytes.size(); ++i) {
        const char before = bytes[i - 1];
        if (before == '\n' || (before == '\r' && bytes[i] != '\n'))
            return i;
    }
    return bytes.size();
}

QString WithLineBreaks(QString text) {
    // The lone CRs of the prose break lines as they do in the main window.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

Result<HistoryText> ReadHistoryForDisplay(const QString& path, qint64 largestShown) {
    largestShown = qMax<qint64>(largestShown, 0);
    HistoryText history;
    QFile file;
    if (const Result<> opened = OpenRegularFile(file, path, FileUse::Reading); opened.failed()) {
        if (!IsMissing(path))
            return Failure{opened.reason()};
        history.missing = true;
        return history;
    }
    // What is there now is what is shown, also when an entry is appended meanwhile.
    history.fileSize = file.size();
    history.shortened = history.fileSize > largestShown;
    // One byte before the part shown tells whether the part starts a line.
    const qint64 from = history.shortened ? history.fileSize - largestShown - 1 : 0;
    if (from > 0 && !file.seek(from))
        return Failure{file.errorString()};
    const QByteArray bytes = file.read(history.fileSize - from);
    if (file.error() != QFileDevice::NoError)
        return Failure{file.errorString()};
    const qsizetype start = history.shortened ? FirstLineStartAfterCut(bytes) : 0;
    history.shownSize = bytes.size() - start;
    history.text = WithLineBreaks(DecodeCp932(QByteArrayView(bytes).sliced(start)));
    return history;
}

} // namespace soranika
