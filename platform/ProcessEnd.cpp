#include "ProcessEnd.h"

#include <cstdlib>
#include <thread>

namespace soranika {

bool QtTeardownMayHang(QStringView platformName) {
    return platformName.startsWith(u"wayland");
}

void EndProcessIfStillRunningAfter(std::chrono::milliseconds grace, int status) {
    std::thread([grace, status] {
        std::this_thread::sleep_for(grace);
        // Not exit(): the main thread is still inside the teardown, and static destructors run
        // under its feet would turn a hang into a crash.
        std::_Exit(status);
    }).detach();
}

} // namespace soranika
