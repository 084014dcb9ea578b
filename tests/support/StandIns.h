#pragma once

// Hand-written stand-ins for the platform adaptors, so that commands run headless and every test
// starts from an empty settings store, a temporary program folder and a fixed clock.

#include "Clock.h"
#include "ColourDialog.h"
#include "Desktop.h"
#include "MessageBoxes.h"
#include "Platform.h"
#include "Printing.h"
#include "ProgramFolder.h"
#include "SettingsStore.h"
#include "SingleInstance.h"

#include <QList>
#include <QMap>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace soranika::testing {

class MemorySettingsStore final : public SettingsStore {
public:
    QString readSetting(const QString& application, const QString& section, const QString& key,
                        const QString& defaultText) const override;
    // All the keys, or none when one of them fails.
    Result<> writeSettings(const QString& application, const QString& section,
                           const SettingTexts& keysAndTexts) override;
    QString location(const QString& application) const override {
        return QStringLiteral("(memory)/") + application;
    }
    // Answers the start-up's question once with `setAside`, as a store found unusable would.
    std::optional<SetAsideStore> setAsideUnusableStore(const QString&,
                                                       const QDateTime& now) override {
        setAsideAt = now;
        return std::exchange(setAside, std::nullopt);
    }
    std::optional<SetAsideStore> setAside;
    QDateTime setAsideAt;

    // The stored text of a key of vobrel/section1, or nothing when it was never written.
    std::optional<QString> stored(const QString& key) const;
    void store(const QString& key, const QString& text);

    mutable int reads = 0;
    int writes = 0;          // each one a replacement of the whole store
    bool failWrites = false; // every write fails
    QStringList failingKeys; // a write that holds one of these keys fails
    // Runs before each write, so that a test can change the world between two steps of a command.
    std::function<void()> beforeWrite;
    static inline const QString FailureReason = QStringLiteral("No space left on device");
    QStringList writtenKeys; // in the order of writing

private:
    QMap<QString, QString> values_; // "application/section/key"
};

// Records every message and answers from a queue (OK when the queue is empty).
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(QWidget* parent, const Message& message) override;

    QList<Message> shown;
    std::deque<MessageAnswer> answers;
};

// Records the colour it opened on and answers from a queue (cancel when the queue is empty).
class ScriptedColourDialog final : public ColourDialog {
public:
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;

    QList<QColor> openedOn;
    std::deque<std::optional<QColor>> answers;
};

class StandInInstance final : public SingleInstance {
public:
    bool claim() override {
        ++claims;
        return alone;
    }
    bool alone = true;
    int claims = 0;
};

class TemporaryProgramFolder final : public ProgramFolder {
public:
    QString path() const override { return elsewhere.isEmpty() ? dir_.path() : elsewhere; }
    QString elsewhere; // a folder of the test's own choosing in place of the temporary one
    QString historyFolder() const override {
        return historyElsewhere.isEmpty() ? path() : historyElsewhere;
    }
    QString historyElsewhere; // the history apart from the program's files, as a system install
    bool makeWorkingFolder() override {
        ++madeWorking;
        return true;
    }
    int madeWorking = 0;

private:
    QTemporaryDir dir_;
};

// Prints into a PDF file of the temporary folder, or answers cancel.
class PdfPrinting final : public Printing {
public:
    bool hasPrinter() const override { return !noPrinter; }
    std::unique_ptr<QPrinter> choosePrinter(QWidget* parent, const QString& documentName) override;

    QString pdfPath;        // where the next page goes
    bool noPrinter = false; // as on a Windows without a printer set up
    bool cancel = false;
    bool refuse = false; // hand out a printer that cannot print
    int dialogs = 0;
    QStringList documentNames; // as each dialog was asked
};

class StandInTextViewer final : public TextViewer {
public:
    Result<> openTextFile(const QString& folder, const QString& fileName) override {
        opened.append(folder + u'|' + fileName);
        if (!refusal.isEmpty())
            return Failure{refusal};
        return {};
    }
    QStringList opened;
    QString refusal; // the desktop's reason, when no program is to be found
};

class StandInAddressOpener final : public AddressOpener {
public:
    void openAddress(const QString& address) override { opened.append(address); }
    QStringList opened;
};

// A complete set of stand-ins; the clock stands on 2026-12-06 07:15:33.
struct StandInPlatform {
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(7, 15, 33))};
    MemorySettingsStore settings;
    StandInInstance instance;
    TemporaryProgramFolder folder;
    ScriptedMessageBoxes messages;
    ScriptedColourDialog colours;
    PdfPrinting printing;
    StandInTextViewer textViewer;
    StandInAddressOpener addresses;

    Platform platform() {
        return {clock,   settings, instance,   folder,   messages,
                colours, printing, textViewer, addresses};
    }
};

} // namespace soranika::testing
