#pragma once

#include "MessageBoxes.h"
#include "SettingsStore.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace soranika {

// The program's three lasting values, all under one application and section of the store.
namespace ProgramSettings {

inline const QString Application = QStringLiteral("vobrel");
inline const QString Section = QStringLiteral("section1");

inline const QString RecordCountKey = QStringLiteral("Rireki"); // readings recorded since a clear
inline const QString RecordTimeKey = QStringLiteral("Time");    // date and time of the last Record
inline const QString ColourKey = QStringLiteral("Color");       // WindowColour in decimal

// What every read passes as its default, so that a key never written reads as "NEW".
inline const QString AbsentText = QStringLiteral("NEW");

// "" and "NEW" both mean that no value has been stored.
inline bool IsUnset(const QString& text) {
    return text.isEmpty() || text == AbsentText;
}

QString Read(const SettingsStore& store, const QString& key);
Result<> Write(SettingsStore& store, const QString& key, const QString& text);

// Writes several keys in one step: all of them or none, also across a power cut.
Result<> WriteTogether(SettingsStore& store, const SettingTexts& keysAndTexts);

// Where the program's settings are kept, for messages that say what could not be saved.
QString Location(const SettingsStore& store);

// The warning that `what` could not be saved in the store, where the store is and why.
Message NotSavedMessage(const SettingsStore& store, const QString& what, const QString& reason);

// At start-up: moves the program's store aside when it can be neither read nor written over
// (see SettingsStore::setAsideUnusableStore).
std::optional<SetAsideStore> SetAsideUnusableStore(SettingsStore& store, const QDateTime& now);

} // namespace ProgramSettings

} // namespace soranika
