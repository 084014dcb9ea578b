#include "StatusTexts.h"

namespace soranika {

StatusTexts StatusTexts::AtStartup(const QString& storedTime, const QString& storedCount) {
    return {QStringLiteral("前回鑑定記録日時：") + storedTime,
            QStringLiteral("鑑定履歴:") + storedCount + QStringLiteral("件")};
}

StatusTexts StatusTexts::AfterRecord(const QString& recordedAt, const QString& newCount) {
    return {QStringLiteral("前回鑑定日時：") + recordedAt,
            QStringLiteral("鑑定履歴:") + newCount + QStringLiteral("件")};
}

StatusTexts StatusTexts::AfterClear() {
    return {QStringLiteral("前回鑑定日時："), QStringLiteral("鑑定履歴：0件")};
}

} // namespace soranika
