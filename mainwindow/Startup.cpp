#include "Startup.h"

#include "ProgramSettings.h"
#include "WindowColour.h"

namespace soranika {

StartupView ReadStartupSettings(const SettingsStore& store) {
    using namespace ProgramSettings;
    QString count = Read(store, RecordCountKey);
    if (IsUnset(count))
        count = QStringLiteral("0");
    QString time = Read(store, RecordTimeKey);
    if (IsUnset(time))
        time.clear();
    const QString colour = Read(store, ColourKey);

    StartupView view;
    view.dateLabel = QStringLiteral("前回鑑定記録日時：") + time;
    view.countLabel = QStringLiteral("鑑定履歴:") + count + QStringLiteral("件");
    view.windowColour = IsUnset(colour) ? DefaultWindowColour
                                        : ParseColourText(colour).value_or(DefaultWindowColour);
    return view;
}

} // namespace soranika
