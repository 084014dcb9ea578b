#include "Application.h"
#include "Program.h"
#include "SystemPlatform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    soranika::PrepareApplication(app);
    soranika::SystemPlatform system;
    soranika::Platform platform = system.platform();
    return soranika::RunProgram(app, platform);
}
