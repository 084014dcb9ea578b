#include "ProgramSettings.h"

#include "SettingsStore.h"

namespace soranika::ProgramSettings {

QString Read(const SettingsStore& store, const QString& key) {
    return store.readSetting(Application, Section, key, AbsentText);
}

Result<> Write(SettingsStore& store, const QString& key, const QString& text) {
    return store.writeSettings(Application, Section, {{key, text}});
}

Result<> WriteTogether(SettingsStore& store, const SettingTexts& keysAndTexts) {
    return store.writeSettings(Application, Section, keysAndTexts);
}

QString Location(const SettingsStore& store) {
    return store.location(Application);
}

Message NotSavedMessage(const SettingsStore& store, const QString& what, const QString& reason) {
    return ProblemMessage(what, Location(store), reason);
}

std::optional<SetAsideStore> SetAsideUnusableStore(SettingsStore& store, const QDateTime& now) {
    return store.setAsideUnusableStore(Application, now);
}

} // namespace soranika::ProgramSettings
