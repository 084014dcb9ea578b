#pragma once

#include "Result.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace soranika {

// A store file the program could not use, moved aside so that a fresh store can start.
struct SetAsideStore {
    QString unusable; // where it was
    QString keptAs;   // where its bytes are now, unchanged
    QString reason;   // why it could not be used
};

// Keys and the texts to store under them.
using SettingTexts = QList<std::pair<QString, QString>>;

// The per-user settings store: text values addressed by application, section and key. A key that
// was never written reads as the default.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString readSetting(const QString& application, const QString& section,
                                const QString& key, const QString& defaultText) const = 0;
    // Stores every text under its key in one step, lasting when it returns: after a failure, and
    // after a power cut at any moment, the store holds all of the new texts or none of them.
    virtual Result<> writeSettings(const QString& application, const QString& section,
                                   const SettingTexts& keysAndTexts) = 0;
    // Where the values of an application are kept, as the user would look for them: a file, or
    // a key of the registry.
    virtual QString location(const QString& application) const = 0;
    // Moves a store the program can neither read nor write over aside, keeping its bytes under
    // a name of `now`, so that the next write starts a fresh store. Nothing is moved (and
    // nothing returned) when the store is fine, or merely cannot be written now.
    virtual std::optional<SetAsideStore> setAsideUnusableStore(const QString& application,
                                                               const QDateTime& now) {
        Q_UNUSED(application);
        Q_UNUSED(now);
        return std::nullopt;
    }
};

// Qt's per-user settings: on Linux the file $XDG_CONFIG_HOME/<application>.conf (normally
// ~/.config/vobrel.conf) with one [section] group; on Windows the registry.
//
// On Linux a write is one replacement of the whole file: Qt writes the new content beside it,
// syncs it and renames it over the old one; the store then syncs the folder, so that the new name
// lasts too. On Windows Qt sets the values of the key one after the other and flushes the key
// (RegFlushKey) once; the registry keeps what was flushed, but does not promise that two values
// set between two flushes change together at a cut.
//
// The program's own file holds three short values. A file that is far larger, or that is no
// regular file at all, was not written by the program: it reads as if nothing were stored, and
// every write reports it, so that no start-up or command is held up by it. At start-up a regular
// file that is far larger, or that Qt cannot parse, is moved aside (setAsideUnusableStore);
// a named pipe or a folder in its place is left where it is.
class QtSettingsStore final : public SettingsStore {
public:
    static constexpr qint64 LargestFileSize = 1 << 20;

    QString readSetting(const QString& application, const QString& section, const QString& key,
                        const QString& defaultText) const override;
    Result<> writeSettings(const QString& application, const QString& section,
                           const SettingTexts& keysAndTexts) override;
    QString location(const QString& application) const override;
    std::optional<SetAsideStore> setAsideUnusableStore(const QString& application,
                                                       const QDateTime& now) override;
};

} // namespace soranika
