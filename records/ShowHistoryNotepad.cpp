#include "HistoryCommands.h"
#include "ShowHistory.h"

namespace soranika {

void ShowHistory(Platform& platform, QWidget* owner,
                 const std::function<HistoryWindow*()>& /*historyWindow*/,
                 const QColor& /*colour*/) {
    // "notepad.exe SanRireki.txt"
    OpenHistoryInTextEditor(platform, owner);
}

} // namespace soranika
