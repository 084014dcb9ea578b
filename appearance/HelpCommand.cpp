#include "HelpCommand.h"

#include "Form2.h"
#include "HelpText.h"
#include "MessageBoxes.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "WindowSetup.h"

namespace soranika {

bool ShowHelp(Form2& window, const QColor& colour, Platform& platform, QWidget* parent) {
    SetBackground(&window, colour);
    const Result<QString> text = ReadHelpText(platform.folder.filePath(HelpFileName));
    if (text.failed()) {
        // The program's own words for every reason: the file belongs beside the program.
        platform.messages.show(parent, {.text = QStringLiteral("readme.txtがありません。")});
        return false;
    }
    window.setHelpText(text.value());
    return true;
}

} // namespace soranika
