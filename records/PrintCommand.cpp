#include "PrintCommand.h"

#include "MessageBoxes.h"
#include "Platform.h"
#include "PrintPage.h"
#include "Printing.h"

#include <QPrinter>

namespace soranika {

QString PrintJobName(const QString& typeTitle) {
    return QStringLiteral("ソラニカ - ") + typeTitle;
}

bool PrintReading(QWidget& page, const FillDetailPage& fill, const QString& jobName,
                  Platform& platform, QWidget* parent) {
    const auto warn = [&](const QString& text) {
        platform.messages.show(parent, {.text = QStringLiteral("印刷できませんでした。\n\n") + text,
                                        .icon = Message::Icon::Warning});
        return false;
    };
    if (!platform.printing.hasPrinter())
        return warn(QStringLiteral("使えるプリンターがありません。"
                                   "プリンターを追加してから、もう一度印刷して下さい。"));
    const std::unique_ptr<QPrinter> printer = platform.printing.choosePrinter(parent, jobName);
    if (!printer)
        return false;
    if (const Result<> filled = fill(); filled.failed())
        return warn(filled.reason());
    if (const Result<> printed = PrintWindowPage(page, *printer); printed.failed())
        return warn(printed.reason());
    return true;
}

} // namespace soranika
