#include "HistoryWindow.h"

#include "FormSetup.h"
#include "HistoryText.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <array>

namespace soranika {

namespace {

// Wide enough for a line of the prose, forty full-width characters, without a break.
// clang-format off
const std::array<ControlSpec, 3> kControls{{
    {.name = "HistoryText", .kind = ControlKind::TextArea, .rect = {120, 120, 9120, 5640},
     .font = {.points = 10.5}, .accessibleName = QStringLiteral("鑑定履歴")},
    {.name = "HistoryNote", .kind = ControlKind::Label, .rect = {120, 5880, 6480, 480},
     .font = {.points = 9.75}, .alignment = Qt::AlignLeft | Qt::AlignVCenter,
     .accessibleName = QStringLiteral("履歴についての注記")},
    {.name = "OpenElsewhere", .kind = ControlKind::Button, .rect = {6720, 5880, 2520, 480},
     .text = QStringLiteral("既定のアプリで開く(&O)"), .font = {.points = 10.5},
     .tooltip = QStringLiteral("履歴ファイルを、パソコンの既定のアプリ（テキストエディターなど）で開きます")},
}};
// clang-format on

const FormDesign kForm{.name = "HistoryWindow",
                       .title = QStringLiteral("履歴表示"),
                       .kind = WindowKind::Secondary,
                       .widthTwips = 9360,
                       .heightTwips = 6480,
                       .font = {.points = 12},
                       .controls = kControls};

QString DataSize(qint64 bytes) {
    return QLocale(QLocale::Japanese)
        .formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

// What the note under the history says of it; empty when there is nothing to say.
QString HistoryNote(const Result<HistoryText>& read) {
    if (read.failed())
        return QStringLiteral("履歴ファイルを表示できません（%1）").arg(read.reason());
    const HistoryText& history = read.value();
    if (history.missing)
        return QStringLiteral("履歴ファイルはまだありません。「記　録」を押すと作られます。");
    if (history.shortened)
        return QStringLiteral("古い記録は省略しています（全 %1 のうち最新の %2 分を表示）")
            .arg(DataSize(history.fileSize), DataSize(history.shownSize));
    if (history.text.trimmed().isEmpty())
        return QStringLiteral("記録はありません。");
    return {};
}

} // namespace

HistoryWindow::HistoryWindow() {
    const BuiltControls controls = SetUpForm(this, kForm);
    historyText_ = controls.get<QPlainTextEdit>("HistoryText");
    note_ = controls.get<CaptionLabel>("HistoryNote");
    note_->setWordWrap(true);
    // A caret lets the keyboard page through the entries; nothing there is to be typed over.
    historyText_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    connect(controls.get<QPushButton>("OpenElsewhere"), &QPushButton::clicked, this,
            &HistoryWindow::openRequested);
    setFocusProxy(historyText_);
}

void HistoryWindow::showHistory(const Result<HistoryText>& history, const QString& fileName,
                                const QColor& background) {
    SetBackground(this, background);
    setWindowTitle(fileName + QStringLiteral(" - ソラニカ"));
    historyText_->setPlainText(history.failed() ? QString() : history.value().text);
    const QString note = HistoryNote(history);
    note_->setCaption(note);
    note_->setAccessibleDescription(note);
    // The caret goes along, so that the keyboard pages on from the newest entry; moving it alone
    // would not scroll a box that is not shown yet.
    historyText_->moveCursor(QTextCursor::End);
    historyText_->verticalScrollBar()->setValue(historyText_->verticalScrollBar()->maximum());
}

} // namespace soranika
