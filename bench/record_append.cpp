// What Record costs now that what it reports lasts: on this machine's disk and on a tmpfs, onto
// an empty history and onto a 200 MB one, 300 times each; the median and the worst.
//  - the append alone: encode the entry, append it whole and sync it (AppendWhole);
//  - the whole of Record's file work (RecordReading): the journal written and synced with its
//    folder, the entry appended and synced, the count and the time stored in one replacement of
//    the settings file and its folder synced, the journal removed.
// The history is never read, so its size should not matter.
//
//   bench-record-append                  a folder beside the program (its disk), then /dev/shm
//   bench-record-append --in FOLDER      one folder (the settings go there too)

#include "DurableFiles.h"
#include "HistoryCommands.h"
#include "HistoryEntry.h"
#include "HistoryFile.h"
#include "Readings.h"
#include "SettingsStore.h"
#include "StandIns.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace soranika;
using namespace soranika::testing;

namespace {

constexpr int kTimes = 300;
constexpr qint64 kLargeHistory = 200LL * 1024 * 1024;

void Measure(const char* what, const std::function<bool()>& once) {
    std::vector<double> times;
    for (int i = 0; i < kTimes; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!once()) {
            std::fprintf(stderr, "%s failed\n", what);
            std::exit(1);
        }
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("  %-40s median %7.2f ms, worst %7.2f ms\n", what, times[times.size() / 2],
                times.back());
    std::fflush(stdout);
}

int MeasureIn(const QString& folder) {
    const Reading reading = ShowaReading();
    const QByteArray block = EncodeHistoryEntry(HistoryEntryLines(
        reading, QStringLiteral("山田花子"), QString(), QStringLiteral("2026/12/06 7:15:33")));
    for (const bool large : {false, true}) {
        const QString path = QDir(folder).filePath(QStringLiteral("SanRireki.txt"));
        QFile::remove(path);
        if (large) {
            QFile file(path);
            (void)file.open(QIODevice::WriteOnly);
            while (file.size() < kLargeHistory)
                file.write(block);
            // On the disk before the first measurement, as a history of earlier days is.
            (void)SyncFileData(file);
        }
        std::printf(" %s\n", large ? "onto a 200 MB history" : "onto an empty history");
        Measure("the append alone (synced)", [&] {
            const QByteArray entry = EncodeHistoryEntry(
                HistoryEntryLines(reading, QStringLiteral("山田花子"), QStringLiteral("長女"),
                                  QStringLiteral("2026/12/07 9:00:00")));
            return !AppendWhole(path, entry).failed();
        });
        StandInPlatform system;
        system.folder.elsewhere = folder;
        QtSettingsStore store;
        Platform platform{system.clock,    store,          system.instance, system.folder,
                          system.messages, system.colours, system.printing, system.textViewer,
                          system.addresses};
        Measure("Record's file work (RecordReading)", [&] {
            return RecordReading(reading, QStringLiteral("山田花子"), QStringLiteral("長女"),
                                 platform, nullptr)
                .has_value();
        });
        QFile::remove(path);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() == 3 && arguments[1] == QStringLiteral("--in"))
        return MeasureIn(arguments[2]);

    // Each folder in a process of its own: the settings store fixes its folder at first use.
    const QTemporaryDir onDisk(QCoreApplication::applicationDirPath() +
                               QStringLiteral("/bench-XXXXXX"));
    const QTemporaryDir inMemory(QStringLiteral("/dev/shm/bench-XXXXXX"));
    for (const auto& [name, dir] :
         {std::pair{"the disk", &onDisk}, std::pair{"a tmpfs (/dev/shm)", &inMemory}}) {
        if (!dir->isValid())
            continue;
        std::printf("Record on %s, %s:\n", name, qPrintable(dir->path()));
        std::fflush(stdout);
        QProcess one;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir->path());
        one.setProcessEnvironment(environment);
        one.setProcessChannelMode(QProcess::ForwardedChannels);
        one.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--in"), dir->path()});
        if (!one.waitForFinished(-1) || one.exitCode() != 0)
            return 1;
    }
    return 0;
}
