#include "ProgramSettings.h"

#include "SettingsStore.h"

namespace soranika::ProgramSettings {

QString Read(const SettingsStore& store, const QString& key) {
    return store.readSetting(Application, Section, key, AbsentText);
}

Result<> Write(SettingsStore& store, const QString& key, const QString& text) {
    return store.writeSetting(Application, Section, key, text);
}

Result<> WriteTogether(SettingsStore& store,
                       const QList<std::pair<QString, QString>>& keysAndTexts) {
    QList<std::pair<QString, QString>> earlier;
    for (const auto& [key, text] : keysAndTexts) {
        const QString before = Read(store, key);
        if (Result<> written = Write(store, key, text); written.failed()) {
            // A key that was absent comes back as "", which every reader takes the same way. A
            // store that has just refused a write may refuse these too: there is nothing more
            // to do about that than to report the first refusal.
            for (auto undo = earlier.crbegin(); undo != earlier.crend(); ++undo)
                (void)Write(store, undo->first, undo->second);
            return written;
        }
        earlier.append({key, before == AbsentText ? QString() : before});
    }
    return {};
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
