#pragma once

#include "MessageBoxes.h"
#include "StatusTexts.h"

#include <QtGlobal>

namespace soranika {

class SettingsStore;
struct Platform;
struct SetAsideStore;

// What the program shows at start from the three stored settings.
struct StartupView {
    StatusTexts status;
    quint32 windowColour;
};

// Reads "Rireki", "Time" and "Color". Nothing stored (or "") shows a count of 0, no time and the
// default colour. A count or time is shown as it is stored; a colour that is not a whole number
// from 0 to 16777215 gives the default colour (and stays in the store until a colour command
// replaces it).
StartupView ReadStartupSettings(const SettingsStore& store);

// What the program does at start before its window shows, once it knows that it runs alone: a
// store it can neither read nor write over is moved aside (and the user told, once), a Record or
// 履歴クリア that a power cut left unfinished is finished or undone, the program's folder becomes
// the working folder, and the settings are read.
StartupView StartProgram(Platform& platform);

// What the user is told, once, when the store was moved aside at start-up: both files, and why.
Message StoreSetAsideMessage(const SetAsideStore& setAside);

} // namespace soranika
