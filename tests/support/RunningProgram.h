#pragma once

// The program as each test of the main window finds it: started on stand-ins, its main window
// shown and active.

#include "Form1.h"
#include "Platform.h"
#include "StandIns.h"

#include <QTest>

#include <memory>

namespace soranika::testing {

struct RunningProgram {
    StandInPlatform system;
    Platform platform = system.platform();
    std::unique_ptr<Form1> form;

    // Starts the main window as the program does; false when it did not start or come up.
    // The stand-ins can be set before.
    [[nodiscard]] bool start() {
        form = std::make_unique<Form1>(platform);
        if (!form->Form_Load())
            return false;
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }
};

} // namespace soranika::testing
