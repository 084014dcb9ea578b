// The program's side of the power-cut test: its own commands and start-up, on the real settings
// store and the real file code, the history where a system-wide install keeps it. Stand-ins
// answer only the dialogs and the clock. Everything lives under $HOME, which the test points
// into the recording file system, or into a state a cut could have left.
//
//   powercut-driver scenarios          the scenarios, one a line
//   powercut-driver prepare NAME       lays out what is on the disk before the command
//   powercut-driver run NAME           starts the program and carries out the command
//   powercut-driver outcome            starts the program on what is there and prints what it
//                                      shows and keeps; then records once more, and fails
//                                      unless that counts on and leaves nothing behind

#include "Clock.h"
#include "Files.h"
#include "HistoryCommands.h"
#include "HistoryEntry.h"
#include "HistoryFile.h"
#include "HistoryJournal.h"
#include "ProgramFolder.h"
#include "ProgramSettings.h"
#include "ReadingFormat.h"
#include "Readings.h"
#include "SettingsStore.h"
#include "StandIns.h"
#include "Startup.h"
#include "WindowColour.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cstdio>
#include <functional>
#include <unistd.h>

using namespace soranika;
using namespace soranika::testing;
using namespace Qt::StringLiterals;

namespace {

const QDateTime RunTime(QDate(2026, 12, 6), QTime(7, 15, 33));
const QDateTime NextDay(QDate(2026, 12, 7), QTime(8, 0, 0));

QString Home() {
    return qEnvironmentVariable("HOME");
}

QString HistoryPath() {
    return ExecutableFolder(InstallLayout::SystemWide).historyFilePath(HistoryFileName);
}

QString Elsewhere() {
    return QDir::cleanPath(QDir(Home()).filePath(u"../elsewhere"_s));
}

void Say(const QString& text) {
    std::fputs(qPrintable(text + u'\n'), stdout);
}

[[noreturn]] void Fail(const QString& why) {
    std::fputs(qPrintable(why + u'\n'), stderr);
    std::exit(1);
}

// The program's platform: the real store and files, stand-ins for what a person answers.
struct Program {
    FixedClock clock{RunTime};
    QtSettingsStore settings;
    StandInInstance instance;
    ExecutableFolder folder{InstallLayout::SystemWide};
    ScriptedMessageBoxes messages;
    ScriptedColourDialog colours;
    PdfPrinting printing;
    StandInTextViewer textViewer;
    StandInAddressOpener addresses;
    Platform platform{clock,   settings, instance,   folder,   messages,
                      colours, printing, textViewer, addresses};
    WindowColour windowColour{[] {
        return QList<QWidget*>{};
    }};

    void start() { windowColour.apply(StartProgram(platform).windowColour); }
    void record() {
        (void)RecordReading(ShowaReading(), u"山田花子"_s, u"長女"_s, platform, nullptr);
    }
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        Fail(u"cannot write "_s + path);
}

void StoreSettings(Program& program, const QString& count, const QString& colour) {
    using namespace ProgramSettings;
    if (WriteTogether(program.settings, {{RecordCountKey, count},
                                         {RecordTimeKey, u"2026/12/01 8:00:00"_s},
                                         {ColourKey, colour}})
            .failed())
        Fail(u"cannot store the settings"_s);
}

QByteArray Entries(int count) {
    QByteArray entries;
    for (int n = 0; n < count; ++n)
        entries += EncodeHistoryEntry(HistoryEntryLines(
            ReadingOfType(n % 60 + 1), u"記録%1"_s.arg(n), {}, u"2026/11/30 9:00:00"_s));
    return entries;
}

void LinkHistoryTo(const QString& target) {
    QDir().mkpath(QFileInfo(HistoryPath()).absolutePath());
    QDir().mkpath(QFileInfo(target).absolutePath());
    const QString relative = QDir(QFileInfo(HistoryPath()).absolutePath()).relativeFilePath(target);
    if (!QFile::link(relative, HistoryPath()))
        Fail(u"cannot link the history"_s);
}

struct Scenario {
    const char* name;
    std::function<void(Program&)> prepare;
    std::function<void(Program&)> run;
};

// A history of `count` entries, counted in the store: beside the program, or in a folder of its
// own that the history links to.
std::function<void(Program&)> Counted(int count, bool throughALink = false) {
    return [=](Program& program) {
        StoreSettings(program, QString::number(count), u"255"_s);
        const QString history = throughALink ? Elsewhere() + u"/history.txt"_s : HistoryPath();
        WriteFile(history, Entries(count));
        if (throughALink)
            LinkHistoryTo(history);
    };
}

const std::vector<Scenario>& Scenarios() {
    const auto record = [](Program& program) {
        program.record();
    };
    const auto clear = [](Program& program) {
        ClearHistory(program.platform, nullptr, [](const StatusTexts&) {});
    };
    static const std::vector<Scenario> scenarios{
        {"record onto no file, on a fresh store", [](Program&) {}, record},
        {"record onto an empty file", Counted(0), record},
        {"record onto a large file", Counted(1000), record},
        {"record through a link", Counted(2, true), record},
        {"record through a link to a file not made yet",
         [](Program&) { LinkHistoryTo(Elsewhere() + u"/history.txt"_s); }, record},
        {"clear", Counted(3), clear},
        {"clear through a link", Counted(2, true), clear},
        {"change the colour", Counted(3),
         [](Program& program) {
             program.colours.answers.push_back(QColor(0x20, 0x40, 0x60));
             ChangeWindowColour(program.windowColour, program.platform, nullptr);
         }},
        {"restore the colour", Counted(3),
         [](Program& program) {
             RestoreDefaultColour(program.windowColour, program.platform, nullptr);
         }},
        {"set a damaged store aside, then record",
         [](Program& program) {
             Counted(3)(program);
             QByteArray garbage(64 * 1024 + 21, '\0');
             QRandomGenerator random(21);
             for (char& byte : garbage)
                 byte = char(random.bounded(256));
             WriteFile(program.settings.location(ProgramSettings::Application), garbage);
         },
         record},
    };
    return scenarios;
}

const Scenario& Named(const QString& name) {
    for (const Scenario& scenario : Scenarios()) {
        if (name == QLatin1StringView(scenario.name))
            return scenario;
    }
    Fail(u"no scenario "_s + name);
}

QString Fingerprint(const QByteArray& bytes) {
    quint64 hash = 14695981039346656037ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return QString::number(hash, 16);
}

// Files Qt leaves when a cut comes in the middle of a settings write: its lock, and the new
// content under a temporary name where the file system cannot make a nameless file. Qt reads
// neither; it takes a stale lock over at the next write.
bool LeftByQt(const QString& name) {
    static const QRegularExpression temporary(u"^vobrel\\.conf(\\.lock|\\.[A-Za-z0-9]{6})$"_s);
    return temporary.match(name).hasMatch();
}

QString LinkText(const QString& path) {
    char target[4096];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
    return length < 0 ? u"?"_s : QFile::decodeName(QByteArray(target, length));
}

// What the program shows and keeps, in words that are equal for equal outcomes.
QStringList Outcome(const QString& root, const Program& program) {
    using namespace ProgramSettings;
    QStringList lines{u"件数 "_s + Read(program.settings, RecordCountKey),
                      u"日時 "_s + Read(program.settings, RecordTimeKey),
                      u"色 "_s + Read(program.settings, ColourKey)};
    QDirIterator files(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    QStringList listed;
    while (files.hasNext()) {
        const QFileInfo info(files.next());
        const QString name = QDir(root).relativeFilePath(info.filePath());
        if (info.isSymLink())
            listed.append(u"link "_s + name + u" -> "_s + LinkText(info.filePath()));
        else if (info.isFile() && LeftByQt(info.fileName()))
            listed.append(u"left by Qt "_s + name);
        else if (info.isFile())
            listed.append(u"file "_s + name + u" "_s + QString::number(info.size()) + u" "_s +
                          Fingerprint(ReadAll(info.filePath())));
    }
    listed.sort();
    return lines + listed;
}

int ShowOutcome() {
    const QString root = QDir(Home()).absoluteFilePath(u".."_s);
    Program program;
    program.start();
    for (const QString& line : Outcome(root, program))
        Say(line);

    // The program goes on as if nothing had happened: one more Record counts on and adds one
    // whole entry, and nothing is left of the Record or the clear that the cut came into.
    using namespace ProgramSettings;
    const QByteArray before = ReadAll(HistoryPath());
    const QString count = NextRecordCount(Read(program.settings, RecordCountKey));
    program.messages.shown.clear();
    program.clock.set(NextDay);
    program.record();
    if (!program.messages.shown.isEmpty())
        Fail(u"the next Record says: "_s + program.messages.shown.first().text);
    const QByteArray entry = EncodeHistoryEntry(
        HistoryEntryLines(ShowaReading(), u"山田花子"_s, u"長女"_s, GeneralDateTimeText(NextDay)));
    if (ReadAll(HistoryPath()) != before + entry)
        Fail(u"the next Record did not add exactly one entry"_s);
    if (Read(program.settings, RecordCountKey) != count)
        Fail(u"the next Record counted "_s + Read(program.settings, RecordCountKey) + u", not "_s +
             count);
    const QString target = FinalLinkTarget(HistoryPath());
    for (const QString& left : {RecordJournalPath(target), PendingReplacementPath(target),
                                program.settings.location(Application) + u".lock"_s}) {
        if (QFileInfo::exists(left))
            Fail(u"left after the next Record: "_s + left);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const QString what = arguments.value(1);
    if (what == u"scenarios") {
        for (const Scenario& scenario : Scenarios())
            Say(QString::fromLatin1(scenario.name));
        return 0;
    }
    if (what == u"outcome")
        return ShowOutcome();
    if (what == u"prepare" || what == u"run") {
        // Named, not a temporary: GCC 14 takes a reference from a call with a temporary
        // argument for a dangling one.
        const QString name = arguments.value(2);
        const Scenario& scenario = Named(name);
        Program program;
        if (what == u"prepare") {
            QDir().mkpath(Home());
            scenario.prepare(program);
        } else {
            program.start();
            scenario.run(program);
            for (const Message& message : std::as_const(program.messages.shown))
                Say(u"message: "_s + message.text);
        }
        return 0;
    }
    Fail(u"usage: powercut-driver scenarios | prepare NAME | run NAME | outcome"_s);
}
