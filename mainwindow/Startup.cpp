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
    view.status = StatusTexts::AtStartup(time, count);
    view.windowColour = IsUnset(colour) ? DefaultWindowColour
                                        : ParseColourText(colour).value_or(DefaultWindowColour);
    return view;
}

} // namespace soranika
