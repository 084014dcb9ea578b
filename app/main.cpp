#include "Application.h"
#include "ProcessEnd.h"
#include "Program.h"
#include "SystemPlatform.h"

#include <QApplication>

using namespace std::chrono_literals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    soranika::PrepareApplication(app);
    int status = 0;
    {
        soranika::SystemPlatform system;
        soranika::Platform platform = system.platform();
        status = soranika::RunProgram(app, platform);
    } // The settings are written and the single-copy lock is released here.
    if (soranika::QtTeardownMayHang(QGuiApplication::platformName()))
        soranika::EndProcessIfStillRunningAfter(2s, status);
    return status;
}
