#include "ProgramSettings.h"

#include "SettingsStore.h"

namespace soranika::ProgramSettings {

QString Read(const SettingsStore& store, const QString& key) {
    return store.ReadSetting(Application, Section, key, AbsentText);
}

bool Write(SettingsStore& store, const QString& key, const QString& text) {
    return store.WriteSetting(Application, Section, key, text);
}

} // namespace soranika::ProgramSettings
