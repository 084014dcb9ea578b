#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace soranika {

// Tells screen readers what the kit's windows and links are: a window made by SetUpFixedWindow
// is a window named by its title (not an anonymous filler), a LinkLabel a link that can be
// pressed, a pick-only list box a combo box named by its label whose value is the item it
// shows. Call once, before the first window is made.
void InstallAccessibility();

// Has a screen reader say `text` now, as the outcome of what the user just did in the window of
// `control`, whatever has the focus: a notification that nothing on the screen shows. Line
// breaks are read as the ends of sentences. (Qt 6.4 reports a changed name or description
// without its text, so a control's own name cannot carry the words.)
void SayToScreenReader(QWidget* control, const QString& text);

// A text box tells screen readers that it has the focus before anything about its caret: Qt
// reports the caret first, and Orca then takes the box as already announced and stays silent.
void ReportFocusBeforeCaret(QLineEdit* box);

} // namespace soranika
