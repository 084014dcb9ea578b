#include "HelpText.h"

#include "Cp932.h"
#include "RegularFile.h"

namespace soranika {

QString HelpTextFromBytes(const QByteArray& bytes) {
    const QString text = DecodeCp932(bytes);
    QString shown;
    shown.reserve(text.size() + text.size() / 16 + 2);
    qsizetype lineStart = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] != u'\r') {
            ++i;
            continue;
        }
        shown.append(QStringView(text).sliced(lineStart, i - lineStart)).append(u"\r\n");
        i += (i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
        lineStart = i;
    }
    if (lineStart < text.size())
        shown.append(QStringView(text).sliced(lineStart)).append(u"\r\n");
    return shown;
}

Result<QString> ReadHelpText(const QString& path) {
    const Result<QByteArray> content = ReadRegularFile(path, LargestHelpFileSize);
    if (content.failed())
        return Failure{content.reason()};
    return HelpTextFromBytes(content.value());
}

} // namespace soranika
