#include "CliCommand.h"
#include "Clock.h"

#include <QStringList>

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const soranika::SystemClock clock;
    const int status = soranika::RunCli(arguments, std::cin, std::cout, std::cerr, clock);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "soranika-cli: the output could not be written\n";
        return soranika::kExitOutputFailed;
    }
    return status;
}
