#pragma once

class QApplication;

namespace soranika {

struct Platform;

// Makes the main window, runs its start-up and the event loop. Returns the exit status.
int RunProgram(QApplication& app, Platform& platform);

} // namespace soranika
