#include "HistoryCommands.h"

#include "Clock.h"
#include "Desktop.h"
#include "HistoryEntry.h"
#include "HistoryFile.h"
#include "MessageBoxes.h"
#include "Platform.h"
#include "ProductInfo.h"
#include "ProgramFolder.h"
#include "ProgramSettings.h"
#include "ReadingFormat.h"

#include <QDir>

namespace soranika {

namespace {

// The history file's name and the reason, for a message that says what went wrong.
QString FileProblem(const QString& what, const QString& path, const QString& reason) {
    return what + QStringLiteral("\n\n") + QDir::toNativeSeparators(path) + QStringLiteral("\n（") +
           reason + QStringLiteral("）");
}

void Warn(Platform& platform, QWidget* parent, const QString& text) {
    platform.messages.show(parent,
                           {text, ApplicationTitle, Message::Buttons::Ok, Message::Icon::Warning});
}

} // namespace

qint64 StoredRecordCount(const QString& text) {
    if (ProgramSettings::IsUnset(text))
        return 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return 0;
    }
    bool ok = false;
    const qint64 count = text.toLongLong(&ok);
    return ok ? count : 0;
}

std::optional<StatusTexts> RecordReading(const Reading& reading, const QString& name,
                                         const QString& memo, Platform& platform, QWidget* parent) {
    using namespace ProgramSettings;
    platform.folder.makeWorkingFolder();
    // One reading of the clock serves the file, the setting and the label alike.
    const QString now = GeneralDateTimeText(platform.clock.now());
    const QString path = platform.folder.filePath(HistoryFileName);
    const QByteArray entry = EncodeHistoryEntry(HistoryEntryLines(reading, name, memo, now));
    if (const auto problem = AppendWhole(path, entry)) {
        Warn(platform, parent,
             FileProblem(QStringLiteral("鑑定結果を履歴ファイルに記録できませんでした。"), path,
                         *problem));
        return std::nullopt;
    }

    const QString count =
        QString::number(StoredRecordCount(Read(platform.settings, RecordCountKey)) + 1);
    Write(platform.settings, RecordCountKey, count);
    Write(platform.settings, RecordTimeKey, now);
    return StatusTexts{QStringLiteral("前回鑑定日時：") + now,
                       QStringLiteral("鑑定履歴:") + count + QStringLiteral("件")};
}

void ViewHistory(Platform& platform, QWidget* parent) {
    if (platform.textViewer.openTextFile(platform.folder.path(), HistoryFileName))
        return;
    Warn(platform, parent,
         FileProblem(QStringLiteral("履歴ファイルを開くテキストエディタを起動できませんでした。"),
                     platform.folder.filePath(HistoryFileName),
                     QStringLiteral("ファイルを開くプログラムが見つかりません")));
}

void ClearHistory(Platform& platform, QWidget* parent,
                  const std::function<void(const StatusTexts&)>& showStatus) {
    using namespace ProgramSettings;
    const Message confirmation{
        QStringLiteral(
            "過去の鑑定した履歴をすべて削除します。\r\n　　　削除してもよろしいですか？"),
        QStringLiteral("　　　　　　　　　過去の履歴削除確認！！"), Message::Buttons::OkCancel,
        Message::Icon::Warning};
    if (platform.messages.show(parent, confirmation) != MessageAnswer::Ok)
        return;

    const QString path = platform.folder.filePath(HistoryFileName);
    if (const auto problem = ReplaceWhole(path, QByteArrayLiteral("\r\n"))) {
        Warn(platform, parent,
             FileProblem(QStringLiteral("履歴ファイルを削除できませんでした。"), path, *problem));
        return;
    }
    Write(platform.settings, RecordCountKey, QString());
    Write(platform.settings, RecordTimeKey, QString());
    showStatus({QStringLiteral("前回鑑定日時："), QStringLiteral("鑑定履歴：0件")});
    platform.messages.show(parent, {QStringLiteral("過去の鑑定した履歴をすべて削除しました。"),
                                    QStringLiteral("　　     　　　　　　鑑定履歴削除 "),
                                    Message::Buttons::Ok, Message::Icon::Information});
}

} // namespace soranika
