#include "Program.h"

#include "Form1.h"

#include <QApplication>

namespace soranika {

int RunProgram(QApplication& app, Platform& platform) {
    Form1 form(platform);
    if (!form.Form_Load())
        return 0;
    form.show();
    return app.exec();
}

} // namespace soranika
