// Record appends to the history file without reading it: an entry goes on the end of a 200 MB
// history as fast as on an empty one. Times the file part of Record (encode the entry, append it
// whole) for both and prints the medians.

#include "HistoryEntry.h"
#include "HistoryFile.h"
#include "TypeTable.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace soranika;

namespace {

constexpr int kAppends = 300;
constexpr qint64 kLargeHistory = 200LL * 1024 * 1024;

double MedianMicroseconds(const QString& path, const Reading& reading) {
    std::vector<double> times;
    for (int i = 0; i < kAppends; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QByteArray entry = EncodeHistoryEntry(
            HistoryEntryLines(reading, QStringLiteral("山田花子"), QStringLiteral("長女"),
                              QStringLiteral("2026/12/07 9:00:00")));
        if (AppendWhole(path, entry).failed()) {
            std::fprintf(stderr, "append failed\n");
            std::exit(1);
        }
        times.push_back(timer.nsecsElapsed() / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main() {
    QTemporaryDir folder;
    Reading reading;
    reading.TypeIndex = 48;
    reading.TypeText = TypeTable::TypeText(48);
    reading.TypeTitle = TypeTable::Title(48).toString();
    reading.BirthDateText = QStringLiteral("S60/5/12");
    reading.DaysLived = 15183;

    const QString empty = folder.filePath(QStringLiteral("empty.txt"));
    const QString large = folder.filePath(QStringLiteral("large.txt"));
    {
        QFile file(large);
        file.open(QIODevice::WriteOnly);
        const QByteArray block = EncodeHistoryEntry(HistoryEntryLines(
            reading, QStringLiteral("山田花子"), QString(), QStringLiteral("2026/12/06 7:15:33")));
        while (file.size() < kLargeHistory)
            file.write(block);
    }
    const double onEmpty = MedianMicroseconds(empty, reading);
    const double onLarge = MedianMicroseconds(large, reading);
    std::printf("Record's file work, median of %d appends of a %d-byte entry:\n", kAppends,
                int(QFile(empty).size() / kAppends));
    std::printf("  onto an empty history   %8.1f us\n", onEmpty);
    std::printf("  onto a 200 MB history   %8.1f us\n", onLarge);
    return 0;
}
