#pragma once

class QApplication;

namespace soranika {

// Readies the application object for the program's windows: the Japanese faces in place of the
// Windows font names, the window font, and Japanese texts on the standard dialogs' buttons.
void PrepareApplication(QApplication& app);

} // namespace soranika
