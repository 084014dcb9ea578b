// The power-cut test. For every scenario of powercut-driver (a Record onto no file, an empty
// one, a large one, through links; 履歴クリア; the two colour commands; a damaged store set
// aside): the driver lays out the disk and carries out the command on a recording file system,
// which notes every change it makes. Then a cut is made after each change in turn — before the
// first, after every write, sync and change of names — and every state the disk could be left
// in by that cut (CrashStates.h) is written out and the program started on it: what it then
// shows and keeps must be exactly what it had before the command or exactly what the command
// made — only the latter once the command is over, as it has said so then — and one more
// Record must count on from there.
//
//   powercut DRIVER [--scenario NAME] [--limit N] [--ignore-syncs] [--show-changes]
//
// --limit: the most states tried at one cut (default 4000; more are sampled evenly).
// --ignore-syncs: a file system on which syncs do nothing, to show that the test sees damage:
//                 then it passes when states disagree.
// --show-changes: list each scenario's changes, also when every state agreed.
// Exits 0 when everything agreed, 1 when something did not, 77 when FUSE is not to be had.

#include "CrashStates.h"
#include "RecordingFileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <set>

using namespace powercut;
using namespace Qt::StringLiterals;

namespace {

struct Options {
    QString driver;
    QString scenario;
    std::size_t limit = 4000;
    bool ignoreSyncs = false;
    bool showChanges = false;
};

void Say(const QString& text) {
    std::fputs(qPrintable(text + u'\n'), stdout);
    std::fflush(stdout);
}

struct Run {
    bool ok = false;
    QStringList lines;
    QString problem;
};

// Runs the driver with $HOME at `root`/home.
Run Driver(const Options& options, const QString& root, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString home = root + u"/home"_s;
    environment.insert(u"HOME"_s, home);
    environment.insert(u"XDG_CONFIG_HOME"_s, home + u"/.config"_s);
    environment.insert(u"XDG_DATA_HOME"_s, home + u"/.local/share"_s);
    process.setProcessEnvironment(environment);
    process.start(options.driver, arguments);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        run.problem = u"the driver did not finish within a minute"_s;
        return run;
    }
    run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    run.problem = QString::fromUtf8(process.readAllStandardError()).trimmed();
    run.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!run.ok && run.problem.isEmpty())
        run.problem = u"the driver ended with "_s + QString::number(process.exitCode());
    return run;
}

// What the program makes of a tree: its outcome, without the files Qt leaves (counted apart).
struct Outcome {
    Run run;
    QStringList shown;
    int leftByQt = 0;
};

Outcome OutcomeOf(const Options& options, const FileTree& tree, const QString& scratch) {
    const QString root = scratch + u"/state"_s;
    QDir(root).removeRecursively();
    QDir().mkpath(root);
    Outcome outcome;
    if (const std::string problem = Materialise(tree, root.toStdString()); !problem.empty()) {
        outcome.run.problem = QString::fromStdString(problem);
        return outcome;
    }
    outcome.run = Driver(options, root, {u"outcome"_s});
    for (const QString& line : std::as_const(outcome.run.lines)) {
        if (line.startsWith(u"left by Qt "))
            ++outcome.leftByQt;
        else
            outcome.shown.append(line);
    }
    QDir(root).removeRecursively();
    return outcome;
}

// How `outcome` differs from the nearer of `before` and `after`, for the report.
QString Difference(const QStringList& outcome, const QStringList& before,
                   const QStringList& after) {
    const auto against = [&](const QStringList& expected) {
        QStringList odd;
        for (const QString& line : outcome) {
            if (!expected.contains(line))
                odd.append(u"      has:   "_s + line);
        }
        for (const QString& line : expected) {
            if (!outcome.contains(line))
                odd.append(u"      lacks: "_s + line);
        }
        return odd;
    };
    const QStringList fromBefore = against(before);
    const QStringList fromAfter = against(after);
    return fromBefore.size() <= fromAfter.size()
               ? u"    against the disk before the command:\n"_s + fromBefore.join(u'\n')
               : u"    against the disk after the command:\n"_s + fromAfter.join(u'\n');
}

// Cuts the scenario at every change; returns whether every state agreed.
bool CutEverywhere(const Options& options, const QString& scenario, const QString& scratch) {
    const QString mount = scratch + u"/disk"_s;
    QDir().mkpath(mount);
    FileTree synced, done;
    std::vector<Change> changes;
    {
        RecordingFileSystem disk(mount.toStdString());
        if (!disk.problem().empty()) {
            Say(u"SKIP: "_s + QString::fromStdString(disk.problem()));
            std::exit(77);
        }
        if (const Run prepared = Driver(options, mount, {u"prepare"_s, scenario}); !prepared.ok) {
            Say(u"FAIL: "_s + scenario + u": preparing: "_s + prepared.problem);
            return false;
        }
        disk.checkpoint();
        const Run ran = Driver(options, mount, {u"run"_s, scenario});
        if (!ran.ok) {
            Say(u"FAIL: "_s + scenario + u": the command: "_s + ran.problem);
            return false;
        }
        synced = disk.atCheckpoint();
        done = disk.now();
        changes = disk.changes();
    }
    if (options.ignoreSyncs)
        std::erase_if(changes, [](const Change& change) {
            return change.kind == Change::Kind::SyncFile || change.kind == Change::Kind::SyncFolder;
        });

    const Outcome before = OutcomeOf(options, synced, scratch);
    const Outcome after = OutcomeOf(options, done, scratch);
    for (const auto& [which, outcome] :
         {std::pair{"before", &before}, std::pair{"after", &after}}) {
        if (!outcome->run.ok) {
            Say(u"FAIL: "_s + scenario + u": the program on the disk "_s +
                QLatin1StringView(which) + u" the command: "_s + outcome->run.problem);
            return false;
        }
    }

    // A state is judged once before the command is over and once after, where less is allowed.
    std::set<std::uint64_t> seen, seenAtTheEnd;
    std::size_t states = 0, tried = 0, leftByQt = 0, wrong = 0, syncs = 0;
    QStringList report;
    for (const Change& change : changes)
        syncs += change.kind == Change::Kind::SyncFile || change.kind == Change::Kind::SyncFolder;
    for (std::size_t cut = 0; cut <= changes.size(); ++cut) {
        const QString where = cut == 0 ? u"before the first change"_s
                                       : u"after #%1 %2"_s.arg(cut).arg(
                                             QString::fromStdString(changes[cut - 1].describe()));
        bool cutWrong = false;
        states += ForEachStateAfterCut(synced, changes, cut, options.limit, [&](CrashState& state) {
            // Once the command is over it has told the user so: nothing of it may be lost then.
            const bool reported = cut == changes.size();
            if (!(reported ? seenAtTheEnd : seen).insert(Fingerprint(state.tree)).second)
                return;
            ++tried;
            const Outcome outcome = OutcomeOf(options, state.tree, scratch);
            leftByQt += outcome.leftByQt > 0;
            const bool agrees = outcome.run.ok && (outcome.shown == after.shown ||
                                                   (!reported && outcome.shown == before.shown));
            if (agrees)
                return;
            ++wrong;
            if (!cutWrong && report.size() < 40)
                report.append(
                    u"  cut "_s + where + u", a state that "_s +
                    QString::fromStdString(state.description) + u":\n"_s +
                    (!outcome.run.ok ? u"      "_s + outcome.run.problem
                     : outcome.shown == before.shown
                         ? u"      the disk as before the command, which had said it was done"_s
                         : Difference(outcome.shown, before.shown, after.shown)));
            cutWrong = true;
        });
    }
    Say(u"%1: %2 changes (%3 syncs), %4 cut points, %5 states, %6 of them started on: %7"_s
            .arg(scenario)
            .arg(changes.size())
            .arg(syncs)
            .arg(changes.size() + 1)
            .arg(states)
            .arg(tried)
            .arg(wrong == 0 ? u"all agree"_s : u"%1 disagree"_s.arg(wrong)) +
        (leftByQt > 0 ? u" (%1 with a file Qt left beside vobrel.conf)"_s.arg(leftByQt)
                      : QString()));
    // Where damage is what the run looks for, the summary says enough.
    if ((wrong > 0 && !options.ignoreSyncs) || options.showChanges) {
        Say(u"  the changes, in order:"_s);
        for (std::size_t i = 0; i < changes.size(); ++i)
            Say(u"    #%1 %2"_s.arg(i + 1).arg(QString::fromStdString(changes[i].describe())));
        for (const QString& line : std::as_const(report))
            Say(line);
    }
    return wrong == 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments();
    Options options;
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == u"--scenario" && i + 1 < arguments.size())
            options.scenario = arguments[++i];
        else if (arguments[i] == u"--limit" && i + 1 < arguments.size())
            options.limit = arguments[++i].toULongLong();
        else if (arguments[i] == u"--ignore-syncs")
            options.ignoreSyncs = true;
        else if (arguments[i] == u"--show-changes")
            options.showChanges = true;
        else
            options.driver = arguments[i];
    }
    if (options.driver.isEmpty() || options.limit < 2) {
        Say(u"usage: powercut DRIVER [--scenario NAME] [--limit N] [--ignore-syncs] "
            u"[--show-changes]"_s);
        return 2;
    }
    // The states are written out and read back thousands of times: in memory where there is room.
    const QString shared = u"/dev/shm"_s;
    QTemporaryDir scratch(QFileInfo(shared).isWritable()
                              ? shared + u"/powercut-XXXXXX"_s
                              : QDir::tempPath() + u"/powercut-XXXXXX"_s);
    const Run listed = Driver(options, scratch.path(), {u"scenarios"_s});
    if (!listed.ok) {
        Say(u"FAIL: the driver lists no scenarios: "_s + listed.problem);
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    bool agreed = true;
    for (const QString& scenario : listed.lines) {
        if (options.scenario.isEmpty() || scenario == options.scenario)
            agreed = CutEverywhere(options, scenario, scratch.path()) && agreed;
    }
    const double seconds = timer.elapsed() / 1000.0;
    if (options.ignoreSyncs) {
        // Here the test is right when it finds damage.
        Say(agreed ? u"FAILED: with syncs that do nothing, every state still agreed"_s
                   : u"with syncs that do nothing, states disagree, as they must (%1 s)"_s.arg(
                         seconds, 0, 'f', 1));
        return agreed ? 1 : 0;
    }
    Say(u"%1 in %2 s"_s.arg(agreed ? u"every state agreed"_s : u"FAILED"_s)
            .arg(seconds, 0, 'f', 1));
    return agreed ? 0 : 1;
}
