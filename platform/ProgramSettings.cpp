#include "ProgramSettings.h"

#include "SettingsStore.h"

namespace soranika::ProgramSettings {

QString Read(const SettingsStore& store, const QString& key) {
    return store.ReadSetting(Application, Section, key, AbsentText);
}

std::optional<QString> Write(SettingsStore& store, const QString& key, const QString& text) {
    return store.WriteSetting(Application, Section, key, text);
}

std::optional<QString> WriteTogether(SettingsStore& store,
                                     const QList<std::pair<QString, QString>>& keysAndTexts) {
    QList<std::pair<QString, QString>> earlier;
    for (const auto& [key, text] : keysAndTexts) {
        const QString before = Read(store, key);
        if (const auto problem = Write(store, key, text)) {
            // A key that was absent comes back as "", which every reader takes the same way.
            for (auto undo = earlier.crbegin(); undo != earlier.crend(); ++undo)
                Write(store, undo->first, undo->second);
            return problem;
        }
        earlier.append({key, before == AbsentText ? QString() : before});
    }
    return std::nullopt;
}

QString Location(const SettingsStore& store) {
    return store.Location(Application);
}

std::optional<SetAsideStore> SetAsideUnusableStore(SettingsStore& store, const QDateTime& now) {
    return store.SetAsideUnusableStore(Application, now);
}

} // namespace soranika::ProgramSettings
