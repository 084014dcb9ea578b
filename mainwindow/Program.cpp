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
        // hangs in its own clean-up 2 times in 10 (see QtTeardownMayHang); once the compositor
        // has answered the closing it seldom does, and the copy ends at once instead of 2 s on.
        QEventLoop settle;
        QTimer::singleShot(200, &settle, &QEventLoop::quit);
        settle.exec();
        return 0;
    }
    form.show();
    return app.exec();
}

} // namespace soranika
