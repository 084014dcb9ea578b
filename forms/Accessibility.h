#pragma once

#include <QString>
#include <QtGlobal>

class QAction;
class QLineEdit;
class QWidget;

namespace soranika {

// Tells screen readers what the kit's windows and links are: a window made by SetUpFixedWindow
// is a window named by its title (not an anonymous filler), a LinkLabel a link that can be
// pressed, a pick-only list box a combo box named by its label whose value is the item it
// shows. Call once, before the first window is made.
void InstallAccessibility();

// Before Qt 6.8 a screen reader hears neither the item a pick-only list box shows nor the last
// character of a text box, and the program stands in for Qt's own interfaces of both. Qt 6.8's
// own are read rightly by Orca 48, and the program's would stand in their way: Orca 48 fell
// silent at the first text box on Tab.
inline constexpr bool QtReadsListsAndTextBoxes = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);

// Has a screen reader say `text` now, as the outcome of what the user just did in the window of
// `control`, whatever has the focus: a notification that nothing on the screen shows. Line
// breaks are read as the ends of sentences. (Qt 6.4 reports a changed name or description
// without its text, so a control's own name cannot carry the words.)
void SayToScreenReader(QWidget* control, const QString& text);

// The name screen readers say for an entry of the program's menus, or for a menu in its menu bar
// (its menuAction()), where the caption would read badly: ﾌｧｲﾙ(&F) is read ファイル. The caption
// stays as it is. Only entries given a name here are read by the program's own rules; a
// checkable one says whether it is checked.
void SetSpokenMenuName(QAction* entry, const QString& name);
inline constexpr char MenuEntryNameProperty[] = "soranikaSpokenName";

// A text box tells screen readers that it has the focus before anything about its caret or its
// selection: Qt reports those first when Tab selects the text, and Orca then takes the box as
// already announced and stays silent. The text is still selected, a moment later.
void ReportFocusBeforeCaret(QLineEdit* box);

} // namespace soranika
