#include "StandIns.h"

#include "ProgramSettings.h"

#include <QPrinter>

namespace soranika::testing {

namespace {
QString Path(const QString& application, const QString& section, const QString& key) {
    return application + u'/' + section + u'/' + key;
}
} // namespace

QString MemorySettingsStore::readSetting(const QString& application, const QString& section,
                                         const QString& key, const QString& defaultText) const {
    ++reads;
    return values_.value(Path(application, section, key), defaultText);
}

Result<> MemorySettingsStore::writeSettings(const QString& application, const QString& section,
                                            const SettingTexts& keysAndTexts) {
    ++writes;
    if (beforeWrite)
        beforeWrite();
    for (const auto& [key, text] : keysAndTexts) {
        if (failWrites || failingKeys.contains(key))
            return Failure{FailureReason};
    }
    for (const auto& [key, text] : keysAndTexts) {
        values_.insert(Path(application, section, key), text);
        writtenKeys.append(key);
    }
    return {};
}

std::optional<QString> MemorySettingsStore::stored(const QString& key) const {
    const QString path = Path(ProgramSettings::Application, ProgramSettings::Section, key);
    if (!values_.contains(path))
        return std::nullopt;
    return values_.value(path);
}

void MemorySettingsStore::store(const QString& key, const QString& text) {
    values_.insert(Path(ProgramSettings::Application, ProgramSettings::Section, key), text);
}

MessageAnswer ScriptedMessageBoxes::show(QWidget*, const Message& message) {
    shown.append(message);
    if (answers.empty())
        return MessageAnswer::Ok;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QColor> ScriptedColourDialog::chooseColour(QWidget*, const QColor& initial) {
    openedOn.append(initial);
    if (answers.empty())
        return std::nullopt;
    const std::optional<QColor> answer = answers.front();
    answers.pop_front();
    return answer;
}

std::unique_ptr<QPrinter> PdfPrinting::choosePrinter(QWidget*, const QString& documentName) {
    ++dialogs;
    documentNames.append(documentName);
    if (cancel)
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setDocName(documentName);
    // A PDF printer with no file name refuses to begin, like a printer that is not there.
    printer->setOutputFileName(refuse ? QString() : pdfPath);
    return printer;
}

} // namespace soranika::testing
