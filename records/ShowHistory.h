#pragma once

#include <QColor>

#include <functional>

class QWidget;

namespace soranika {

class HistoryWindow;
struct Platform;

// "履歴表示": shows the history file the way this system reads it best. Each system has its own
// source file: on Windows Notepad opens it, as it reads the ANSI code page of a Japanese Windows;
// elsewhere desktop editors guess the code page wrongly, so the program's own history window,
// asked of `historyWindow`, shows it in `colour` over `owner`, and hands the file to the
// desktop's application on request.
void ShowHistory(Platform& platform, QWidget* owner,
                 const std::function<HistoryWindow*()>& historyWindow, const QColor& colour);

} // namespace soranika
