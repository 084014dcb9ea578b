#pragma once

#include "Clock.h"
#include "ColourDialog.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "QtMessageBoxes.h"
#include "QtPrinting.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "SystemDesktop.h"

namespace soranika {

// The real adaptors, as the program uses them.
struct SystemPlatform {
    SystemClock clock;
    QtSettingsStore settings;
    LockFileInstance instance;
    ExecutableFolder folder;
    QtMessageBoxes messages;
    QtColourDialog colours;
    QtPrinting printing;
    SystemTextViewer textViewer;
    SystemAddressOpener addresses;

    Platform platform() {
        return {clock,   settings, instance,   folder,   messages,
                colours, printing, textViewer, addresses};
    }
};

} // namespace soranika
