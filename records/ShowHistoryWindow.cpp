#include "HistoryEntry.h"
#include "HistoryText.h"
#include "HistoryWindow.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "ShowHistory.h"
#include "WindowSetup.h"

namespace soranika {

void ShowHistory(Platform& platform, QWidget* owner,
                 const std::function<HistoryWindow*()>& historyWindow, const QColor& colour) {
    HistoryWindow* window = historyWindow();
    window->showHistory(ReadHistoryForDisplay(platform.folder.historyFilePath(HistoryFileName)),
                        HistoryFileName, colour);
    BringUp(window, owner);
}

} // namespace soranika
