#include "Program.h"

#include "Form1.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

namespace soranika {

int RunProgram(QApplication& app, Platform& platform) {
    Form1 form(platform);
    if (!form.Form_Load()) {
        // The refusal's message box has just closed. Ended at that instant, Qt 6.4 on Wayland
        // now and then hangs for ever in its own clean-up (its two threads that read from the
        // compositor wait for each other); once the compositor has answered the closing, it ends.
        QEventLoop settle;
        QTimer::singleShot(200, &settle, &QEventLoop::quit);
        settle.exec();
        return 0;
    }
    form.show();
    return app.exec();
}

} // namespace soranika
