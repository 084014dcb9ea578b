#pragma once

#include "ControlTable.h"
#include "Fonts.h"
#include "WindowSetup.h"

#include <QColor>
#include <QString>

#include <span>

class QMainWindow;
class QWidget;

namespace soranika {

// Everything that makes one of the program's windows: what it is called, the size of its client
// area, the font its controls take unless their row says another, and its table.
struct FormDesign {
    const char* name; // the designer's name, also the window's objectName
    QString title;
    WindowKind kind;
    int widthTwips;
    int heightTwips;
    FontSpec font;
    std::span<const ControlSpec> controls;
    std::span<const LineSpec> lines = {};
    QColor background = {}; // invalid: the colour the program gives the window later
};

// Makes a window that is its own client area as `design` says, and builds its table on it.
BuiltControls SetUpForm(QWidget* window, const FormDesign& design);

// Makes a main window as `design` says: its client area, named after it with "Client", becomes the
// central widget below the menu bar, and the window takes the client area's size. The controls'
// form() is the client area.
BuiltControls SetUpForm(QMainWindow* window, const FormDesign& design);

} // namespace soranika
