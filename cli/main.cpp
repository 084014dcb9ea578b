#include "CliCommand.h"
#include "Clock.h"

#include <QStringList>

#include <iostream>

int main(int argc, char** argv) {
    // Besides speed: the streams this gives report a read error of standard input, where the
    // ones shared with stdio end the input quietly and a failed batch would pass for a short one.
    std::ios::sync_with_stdio(false);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const soranika::SystemClock clock;
    // No check of std::cout here: RunCli has flushed it and reported a failed write already.
    return soranika::RunCli(arguments, std::cin, std::cout, std::cerr, clock);
}
