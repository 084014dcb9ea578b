// Start-up and Record against settings stores the program did not write: a value of 50 MB, a
// value just under the size the store reads, a store of tens of thousands of keys, a count of a
// million digits. The store is written by one process and measured in another, so that the peak
// memory is the program's alone:
//     bench-hostile-store prepare CASE FOLDER    (fresh, huge-time, long-time, many-keys,
//     long-count) bench-hostile-store run CASE FOLDER
// The second prints the time from making the main window to its first drawing, the time of one
// Record and the peak memory of the process. Runs offscreen with FOLDER as XDG_CONFIG_HOME.

#include "Application.h"
#include "Clock.h"
#include "ColourDialog.h"
#include "Form1.h"
#include "MessageBoxes.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "QtPrinting.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "SystemDesktop.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <sys/resource.h>

using namespace soranika;

namespace {

// Messages are counted, not shown: a modal box would stop the clock.
class CountedMessages final : public MessageBoxes {
public:
    MessageAnswer show(QWidget*, const Message&) override {
        ++shown;
        return MessageAnswer::Ok;
    }
    int shown = 0;
};

class FolderOf final : public ProgramFolder {
public:
    explicit FolderOf(QString path)
        : path_(std::move(path)) {}
    QString path() const override { return path_; }
    bool makeWorkingFolder() override { return true; }

private:
    QString path_;
};

QByteArray StoreFor(const QByteArray& name) {
    const QByteArray head = "[section1]\nColor=12632319\n";
    if (name == "fresh")
        return {};
    if (name == "huge-time")
        return head + "Rireki=5\nTime=" + QByteArray(50 << 20, '7') + '\n';
    if (name == "long-time")
        return head + "Rireki=5\nTime=" + QByteArray(1'040'000, '7') + '\n';
    if (name == "long-count")
        return head + "Rireki=" + QByteArray(1'040'000, '9') + "\nTime=2026/12/06 7:15:33\n";
    if (name == "many-keys") {
        QByteArray store = head + "Rireki=5\nTime=2026/12/06 7:15:33\n";
        for (int i = 0; store.size() < 1'040'000; ++i)
            store += "key" + QByteArray::number(i) + "=value " + QByteArray::number(i) + '\n';
        return store;
    }
    return "?";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench-hostile-store prepare|run CASE FOLDER\n");
        return 2;
    }
    const QByteArray mode(argv[1]);
    const QByteArray name(argv[2]);
    const QDir folder(QString::fromLocal8Bit(argv[3]));
    if (mode == "prepare") {
        const QByteArray store = StoreFor(name);
        if (store == "?") {
            std::fprintf(stderr, "unknown case %s\n", name.constData());
            return 2;
        }
        QFile file(folder.filePath(QStringLiteral("vobrel.conf")));
        if (!store.isEmpty() && (!file.open(QIODevice::WriteOnly) || file.write(store) < 0))
            return 1;
        return 0;
    }
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const qint64 storeSize = QFileInfo(folder.filePath(QStringLiteral("vobrel.conf"))).size();

    QApplication app(argc, argv);
    PrepareApplication(app);
    SystemClock clock;
    QtSettingsStore settings;
    LockFileInstance instance(folder.filePath(QStringLiteral("soranika.lock")));
    FolderOf programFolder(folder.path());
    CountedMessages messages;
    QtColourDialog colours;
    QtPrinting printing;
    SystemTextViewer textViewer;
    SystemAddressOpener addresses;
    Platform platform{clock,   settings, instance,   programFolder, messages,
                      colours, printing, textViewer, addresses};

    QElapsedTimer timer;
    timer.start();
    Form1 form(platform);
    form.Form_Load();
    form.show();
    form.repaint();
    app.processEvents();
    const double startup = timer.nsecsElapsed() / 1e6;

    form.findChild<QComboBox*>(QStringLiteral("Combo1(0)"))->setEditText(QStringLiteral("昭和"));
    form.findChild<QLineEdit*>(QStringLiteral("Text1(0)"))->setText(QStringLiteral("60"));
    form.findChild<QComboBox*>(QStringLiteral("Combo1(1)"))->setCurrentIndex(4);
    form.findChild<QComboBox*>(QStringLiteral("Combo1(2)"))->setCurrentIndex(11);
    form.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    timer.restart();
    form.findChild<QPushButton*>(QStringLiteral("btnKioku"))->click();
    form.repaint();
    app.processEvents();
    const double record = timer.nsecsElapsed() / 1e6;

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-11s store %9lld bytes  start-up %8.1f ms  Record %8.1f ms  messages %d  "
                "peak memory %6.1f MB\n",
                name.constData(), static_cast<long long>(storeSize), startup, record,
                messages.shown, usage.ru_maxrss / 1024.0);
    return 0;
}
