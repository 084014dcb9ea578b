#include "Startup.h"

#include "Clock.h"
#include "HistoryEntry.h"
#include "HistoryJournal.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "ProgramSettings.h"
#include "SettingsStore.h"
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

StartupView StartProgram(Platform& platform) {
    // A store it can neither read nor write over would refuse every later count and colour.
    if (const auto setAside =
            ProgramSettings::SetAsideUnusableStore(platform.settings, platform.clock.now()))
        platform.messages.show(nullptr, StoreSetAsideMessage(*setAside));
    FinishInterruptedHistoryChange(platform.folder.historyFilePath(HistoryFileName),
                                   platform.settings);
    // Every file is named by its full path; a folder that cannot be the working folder costs
    // nothing more than the habit of the program it follows.
    (void)platform.folder.makeWorkingFolder();
    return ReadStartupSettings(platform.settings);
}

Message StoreSetAsideMessage(const SetAsideStore& setAside) {
    return {.text = ProblemText(QStringLiteral("設定ファイルを読めなかったため、別の名前で残して"
                                               "新しい設定で始めます。鑑定履歴の件数、前回の"
                                               "鑑定日時、フォーム色は初めの状態に戻ります。"),
                                setAside.unusable + QStringLiteral("\n→ ") + setAside.keptAs,
                                setAside.reason),
            .icon = Message::Icon::Warning};
}

} // namespace soranika
