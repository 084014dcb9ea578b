#include "HistoryEntry.h"

#include "Cp932.h"
#include "ReadingFormat.h"

namespace soranika {

namespace {
QString IdeographicSpaces(int count) {
    return QString(count, QChar(0x3000));
}
} // namespace

QStringList CutIntoPieces(const QString& typeText) {
    QStringList pieces;
    for (qsizetype start = 0; start < typeText.size(); start += HistoryPieceLength)
        pieces.append(typeText.mid(start, HistoryPieceLength));
    return pieces;
}

QStringList HistoryEntryLines(const Reading& reading, const QString& name, const QString& memo,
                              const QString& recordedAt) {
    QStringList lines{
        IdeographicSpaces(12) + QStringLiteral("＊ソラニカ鑑定結果＊"),
        QStringLiteral("鑑定日：") + recordedAt,
        QStringLiteral("氏　　名：") + name,
        QStringLiteral("生年月日：") + reading.BirthDateText,
        QStringLiteral("生まれてから") + FormatGroupedNumber(reading.DaysLived) +
            QStringLiteral("日です。"),
        QStringLiteral("年　　令：") + QString::number(AgeInYears(reading.DaysLived)) +
            QStringLiteral("才"),
        QStringLiteral("備　　考：") + memo,
        IdeographicSpaces(14) + QStringLiteral("＜性　　格＞"),
        IdeographicSpaces(11) + QStringLiteral("****") + reading.TypeTitle + QStringLiteral("****"),
        QString(),
    };
    lines += CutIntoPieces(reading.TypeText);
    lines += QString();
    lines += QString(79, u'-');
    return lines;
}

QByteArray EncodeHistoryEntry(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return EncodeCp932(text);
}

} // namespace soranika
