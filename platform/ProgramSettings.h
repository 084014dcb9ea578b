#pragma once

#include <QString>

namespace soranika {

class SettingsStore;

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
bool Write(SettingsStore& store, const QString& key, const QString& text);

} // namespace ProgramSettings

} // namespace soranika
