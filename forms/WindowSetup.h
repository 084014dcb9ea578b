#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace soranika {

enum class WindowKind {
    Main,      // can be minimised
    Secondary, // closes with Escape
};

// Gives a top-level window its title and the program icon. No window asks for a maximise button
// (Qt's own title bar on Wayland shows one all the same).
void SetUpFixedWindow(QWidget* window, const QString& title, WindowKind kind);

// The property that marks a window made by SetUpFixedWindow.
inline constexpr char FixedWindowProperty[] = "soranikaFixedWindow";

// Fixes the size of a client area in twips.
void SetClientSize(QWidget* clientArea, int widthTwips, int heightTwips);

// Sets the background of a window's client area. Its labels are transparent: each takes the
// colour the table designed for its text where that is readable on what lies behind it (the
// window, or a white box it stands on), and black or white where it is not.
void SetBackground(QWidget* clientArea, const QColor& colour);

// The property in which a transparent label keeps the text colour its table designed.
inline constexpr char DesignedTextColourProperty[] = "soranikaDesignedTextColour";

// Puts a top-level window in the middle of the screen it is on.
void CentreOnScreen(QWidget* window);

} // namespace soranika
