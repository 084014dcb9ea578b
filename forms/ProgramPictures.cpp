#include "ProgramPictures.h"

#include "hand_cursor.xpm"
#include "program_icon.xpm"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace soranika {

QIcon ProgramIcon() {
    // The 32 x 32 picture only: a window hands every size of its icon to the window system, and
    // the larger ones serve the desktop menu, not the windows.
    static const QIcon icon{QPixmap(program_icon_xpm)};
    return icon;
}

QCursor HandCursor() {
    static const QPixmap hand(hand_cursor_xpm);
    return QCursor(hand, 13, 9);
}

} // namespace soranika
