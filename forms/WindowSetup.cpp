#include "WindowSetup.h"

#include "ProgramPictures.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QWidget>

namespace soranika {

void SetUpFixedWindow(QWidget* window, const QString& title, bool minimisable) {
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
    if (minimisable)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    window->setWindowTitle(title);
    window->setWindowIcon(ProgramIcon());
}

void SetClientSize(QWidget* clientArea, int widthTwips, int heightTwips) {
    clientArea->setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
}

void SetBackground(QWidget* clientArea, const QColor& colour) {
    QPalette palette = clientArea->palette();
    palette.setColor(QPalette::Window, colour);
    clientArea->setPalette(palette);
    clientArea->setAutoFillBackground(true);
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace soranika
