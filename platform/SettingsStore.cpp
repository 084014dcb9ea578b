#include "SettingsStore.h"

#include <QSettings>

namespace soranika {

namespace {

QString KeyPath(const QString& section, const QString& key) {
    return section + u'/' + key;
}

} // namespace

QString QtSettingsStore::ReadSetting(const QString& application, const QString& section,
                                     const QString& key, const QString& defaultText) const {
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application);
    const QVariant value = settings.value(KeyPath(section, key));
    // Values are always written as text; anything else came from a hand-edited file.
    return value.isValid() ? value.toString() : defaultText;
}

bool QtSettingsStore::WriteSetting(const QString& application, const QString& section,
                                   const QString& key, const QString& text) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application);
    settings.setValue(KeyPath(section, key), text);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace soranika
