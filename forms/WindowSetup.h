#pragma once

#include <QColor>
#include <QString>
#include <QStringView>

#include <span>

class QMainWindow;
class QWidget;

namespace soranika {

// What the windowing system lets the program do with its windows.
struct WindowRules {
    // A window keeps the size the program gives it (X11, Windows). A Wayland compositor may give
    // a window any size (maximised, full screen, the size of a phone's screen), and a window that
    // does not take it commits a protocol error: the compositor ends the program.
    bool windowsKeepTheirSize = true;
    // The program places its windows and brings one to the front (X11, Windows). On Wayland the
    // compositor places each window and keeps a secondary one above its transient parent (most
    // also put it over the parent); it brings a window to the front when it is shown anew.
    bool programPlacesWindows = true;
};

// The rules of a Qt platform, by its name (QGuiApplication::platformName()).
WindowRules WindowRulesOf(QStringView platformName);
// The rules of the platform the program runs on.
WindowRules CurrentWindowRules();

enum class WindowKind {
    Main,      // can be minimised
    Secondary, // closes with Escape
};

// Gives a top-level window its title and the program icon. No window asks for a maximise button
// (Qt's own title bar on Wayland shows one all the same).
void SetUpFixedWindow(QWidget* window, const QString& title, WindowKind kind);

// The property that marks a window made by SetUpFixedWindow.
inline constexpr char FixedWindowProperty[] = "soranikaFixedWindow";

// Fixes the size of a client area in twips. A window that is its own client area takes any size
// where windows cannot keep theirs; its controls stay where the table put them, and the space
// beyond them shows the window's colour.
void SetClientSize(QWidget* clientArea, int widthTwips, int heightTwips,
                   WindowRules rules = CurrentWindowRules());

// Sizes a main window to its menu bar and its client area, the central widget. Where windows
// cannot keep their size, it takes any size, and the client area stays in the middle of the
// room below the menu bar, the space around it painted in the client area's colour.
void FitMainWindowToClient(QMainWindow* window, WindowRules rules = CurrentWindowRules());

// Shows a secondary window of `owner` and brings it to the front. A window that opens is put in
// the middle of the screen, and one that is open stays where the user put it, minimised or not.
// Where the program cannot place its windows, the window is tied to its owner, for the compositor
// to keep it above the owner, and an open one is shown anew. It is never modal.
void BringUp(QWidget* window, QWidget* owner, WindowRules rules = CurrentWindowRules());

// Sets the background of a window's client area. Its labels are transparent: each takes the
// colour the table designed for its text where that is readable on what lies behind it (the
// window, or a white box it stands on), and black or white where it is not.
void SetBackground(QWidget* clientArea, const QColor& colour);

// The property in which a transparent label keeps the text colour its table designed.
inline constexpr char DesignedTextColourProperty[] = "soranikaDesignedTextColour";

// Tab goes through `order` in turn, each control after the one before it.
void SetTabOrder(std::span<QWidget* const> order);

// Puts a top-level window in the middle of the screen it is on.
void CentreOnScreen(QWidget* window);

} // namespace soranika
