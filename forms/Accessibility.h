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

// A text box tells screen readers that it has the focus before anything about its caret or its
// selection: Qt reports those first when Tab selects the text, and Orca then takes the box as
// already announced and stays silent. The text is still selected, a moment later.
void ReportFocusBeforeCaret(QLineEdit* box);

} // namespace soranika
