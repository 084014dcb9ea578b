#pragma once

#include "Result.h"

#include <QDate>
#include <QStringList>

#include <iosfwd>

namespace soranika {

class Clock;

// What the command line asks for.
struct CliRequest {
    enum class Mode { Single, Batch, Help, Version };
    Mode mode = Mode::Single;
    QDate today;       // invalid unless --today was given
    QStringList entry; // ERA YEAR MONTH DAY for Mode::Single
};

// Reads the arguments (without the program name), or says why the command line cannot be used.
// Options come before the entry; "--" ends them, so that a year such as "-5" can still be given.
// Of --help and --version the first one given wins, and either one outranks --batch, as a user
// asking for either wants nothing else.
Result<CliRequest> ParseCliArguments(const QStringList& arguments);

// Exit statuses of soranika-cli.
inline constexpr int ExitOk = 0;
inline constexpr int ExitRefused = 1;
inline constexpr int ExitUsage = 2;
inline constexpr int ExitOutputFailed = 3;
inline constexpr int ExitInputFailed = 4;

// Runs soranika-cli: all output is UTF-8. Returns the exit status. A failed write to out is
// reported on err as ExitOutputFailed, whatever the mode.
int RunCli(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err,
           const Clock& clock);

} // namespace soranika
