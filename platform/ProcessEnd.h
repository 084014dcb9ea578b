#pragma once

#include <QStringView>

#include <chrono>

namespace soranika {

// Whether the window system's teardown inside Qt can hang after the program's own work is done:
// Qt 6.4 on Wayland now and then waits for ever while it leaves the compositor (its two threads
// that read from the compositor each wait for the other), the windows gone and the process
// still there, holding its place in the process list.
bool QtTeardownMayHang(QStringView platformName);

// A last resort for the moment after everything of the program's own is saved and released:
// ends the process with `status` if it is still running `grace` from now. A process that ends
// by itself before then never notices.
void EndProcessIfStillRunningAfter(std::chrono::milliseconds grace, int status);

} // namespace soranika
