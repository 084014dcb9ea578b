#pragma once

#include <QString>

namespace soranika {

// The per-user settings store: text values addressed by application, section and key. A key that
// was never written reads as the default.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString ReadSetting(const QString& application, const QString& section,
                                const QString& key, const QString& defaultText) const = 0;
    // Returns false when the value could not be stored.
    virtual bool WriteSetting(const QString& application, const QString& section,
                              const QString& key, const QString& text) = 0;
};

// Qt's per-user settings: on Linux the file $XDG_CONFIG_HOME/<application>.conf (normally
// ~/.config/vobrel.conf) with one [section] group; on Windows the registry.
class QtSettingsStore final : public SettingsStore {
public:
    QString ReadSetting(const QString& application, const QString& section, const QString& key,
                        const QString& defaultText) const override;
    bool WriteSetting(const QString& application, const QString& section, const QString& key,
                      const QString& text) override;
};

} // namespace soranika
