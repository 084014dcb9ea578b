// The desktop program exactly as main.cpp starts it, with a probe that reports when its window
// first appears.

#include "Application.h"
#include "ExposeProbe.h"
#include "Program.h"
#include "SystemPlatform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ExposeProbe probe;
    soranika::PrepareApplication(app);
    soranika::SystemPlatform system;
    soranika::Platform platform = system.platform();
    return soranika::RunProgram(app, platform);
}
