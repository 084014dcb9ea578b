#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace soranika {

// Gives a top-level window its title and the program icon; it can be minimised when asked, but
// never maximised or resized.
void SetUpFixedWindow(QWidget* window, const QString& title, bool minimisable);

// Fixes the size of a client area in twips.
void SetClientSize(QWidget* clientArea, int widthTwips, int heightTwips);

// Sets the background of a window's client area (the labels on it are transparent).
void SetBackground(QWidget* clientArea, const QColor& colour);

// Puts a top-level window in the middle of the screen it is on.
void CentreOnScreen(QWidget* window);

} // namespace soranika
