#include "CliCommand.h"
#include "Clock.h"

#include <QStringList>

#include <iostream>

#ifdef Q_OS_WIN
#include "WindowsApi.h"
#endif

namespace {

// The arguments after the program's name. On Windows argv holds them in the ANSI code page, which
// loses 昭和 on a system that is not Japanese: the wide command line keeps every character.
QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            arguments.append(QString::fromWCharArray(wide[i]));
        LocalFree(wide);
    }
#else
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
#endif
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    // Besides speed: the streams this gives report a read error of standard input, where the
    // ones shared with stdio end the input quietly and a failed batch would pass for a short one.
    std::ios::sync_with_stdio(false);
    const soranika::SystemClock clock;
    // No check of std::cout here: RunCli has flushed it and reported a failed write already.
    return soranika::RunCli(Arguments(argc, argv), std::cin, std::cout, std::cerr, clock);
}
