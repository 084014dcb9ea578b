#pragma once

#include "Result.h"

#include <QWidget>

class QPlainTextEdit;

namespace soranika {

class CaptionLabel;
struct HistoryText;

// "履歴表示": the history file in a read-only window of the program's own, which reads code page
// 932 where a desktop editor might not. It only shows what the main window hands it; opening
// the file elsewhere is the main window's work, asked for by openRequested().
class HistoryWindow : public QWidget {
    Q_OBJECT

public:
    HistoryWindow();

    // Shows the history in the window's colour, scrolled to the newest entry at the end, and
    // says under it when there is none yet, when older entries are left out, or why the file
    // cannot be shown. `fileName` is the history file's name, for the title. The window itself
    // is not shown.
    void showHistory(const Result<HistoryText>& history, const QString& fileName,
                     const QColor& background);

signals:
    // The user wants the history file in the desktop's own application for it.
    void openRequested();

private:
    QPlainTextEdit* historyText_ = nullptr;
    CaptionLabel* note_ = nullptr; // what is missing or left out, under the history
};

} // namespace soranika
