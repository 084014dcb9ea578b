#include "WindowSetup.h"

#include "Contrast.h"
#include "ProgramPictures.h"
#include "Twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QShortcut>
#include <QVariant>
#include <QWidget>

namespace soranika {

void SetUpFixedWindow(QWidget* window, const QString& title, WindowKind kind) {
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
    if (kind == WindowKind::Main)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    window->setWindowTitle(title);
    window->setWindowIcon(ProgramIcon());
    window->setProperty(FixedWindowProperty, true);
    if (kind == WindowKind::Secondary) {
        // Wherever the focus is in the window; a list that is open takes the key first.
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
        escape->setContext(Qt::WindowShortcut);
        QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
    }
}

void SetClientSize(QWidget* clientArea, int widthTwips, int heightTwips) {
    clientArea->setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
}

namespace {

// The colour behind a transparent control: the last opaque sibling made before it that covers
// its middle, else the window's own.
QColor ColourBehind(const QWidget* control, const QColor& windowColour) {
    QColor behind = windowColour;
    const QPoint middle = control->geometry().center();
    for (const QObject* child : control->parentWidget()->children()) {
        if (child == control)
            break;
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling && sibling->autoFillBackground() && sibling->geometry().contains(middle))
            behind = sibling->palette().color(QPalette::Window);
    }
    return behind;
}

} // namespace

void SetBackground(QWidget* clientArea, const QColor& colour) {
    QPalette palette = clientArea->palette();
    palette.setColor(QPalette::Window, colour);
    // Lines drawn in the text colour, such as the frame of the about window's link, follow the
    // same rule as the labels.
    palette.setColor(
        QPalette::WindowText,
        ReadableTextColour(QApplication::palette().color(QPalette::WindowText), colour));
    clientArea->setPalette(palette);
    clientArea->setAutoFillBackground(true);
    for (QWidget* control : clientArea->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QVariant designed = control->property(DesignedTextColourProperty);
        if (!designed.isValid())
            continue;
        QPalette text = control->palette();
        text.setColor(QPalette::WindowText,
                      ReadableTextColour(designed.value<QColor>(), ColourBehind(control, colour)));
        control->setPalette(text);
    }
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
