// A process whose last step never returns, as Qt's own teardown on Wayland now and then: the
// last resort must still end it, with the status it was given.

#include "ProcessEnd.h"

#include <future>

int main() {
    using namespace std::chrono_literals;
    soranika::EndProcessIfStillRunningAfter(100ms, 3);
    std::promise<void> never;
    never.get_future().wait();
    return 0;
}
