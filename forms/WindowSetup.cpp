#include "WindowSetup.h"

#include "Contrast.h"
#include "ProgramPictures.h"
#include "Twips.h"

#include <QApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QMainWindow>
#include <QScreen>
#include <QShortcut>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace soranika {

WindowRules WindowRulesOf(QStringView platformName) {
    // Qt names its Wayland platforms "wayland", "wayland-egl" and so on.
    const bool wayland = platformName.startsWith(u"wayland");
    return {.windowsKeepTheirSize = !wayland, .programPlacesWindows = !wayland};
}

WindowRules CurrentWindowRules() {
    return WindowRulesOf(QGuiApplication::platformName());
}

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

void SetClientSize(QWidget* clientArea, int widthTwips, int heightTwips, WindowRules rules) {
    const QSize size(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
    if (clientArea->isWindow() && !rules.windowsKeepTheirSize) {
        // Not even a smallest size: Qt holds a window to its limits also against a size the
        // compositor demands, and a phone's compositor makes every window as small as its screen.
        clientArea->setMinimumSize(0, 0);
        clientArea->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        clientArea->resize(size);
    } else {
        clientArea->setFixedSize(size);
    }
}

namespace {

// Keeps a main window's client area at its designed size in the middle of a larger window: the
// room around it takes the client area's colour, and the window opens at its designed size.
class ClientRoom final : public QObject {
public:
    ClientRoom(QMainWindow* window, QWidget* room, QWidget* client)
        : QObject(window)
        , window_(window)
        , room_(room)
        , client_(client) {
        room->setAutoFillBackground(true);
        takeColour();
        window->installEventFilter(this);
        client->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == client_ && event->type() == QEvent::PaletteChange)
            takeColour();
        else if (watched == window_ && event->type() == QEvent::Show &&
                 window_->windowState() == Qt::WindowNoState)
            // A window without limits would open at no more than two thirds of a small screen.
            window_->resize(window_->sizeHint());
        return false;
    }

private:
    void takeColour() {
        QPalette palette = room_->palette();
        palette.setColor(QPalette::Window, client_->palette().color(QPalette::Window));
        room_->setPalette(palette);
    }

    QMainWindow* window_;
    QWidget* room_;
    QWidget* client_;
};

} // namespace

void FitMainWindowToClient(QMainWindow* window, WindowRules rules) {
    if (rules.windowsKeepTheirSize) {
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }
    // No limits, for the reason SetClientSize gives. A main window's layout puts its central
    // widget in the top left corner, whatever its alignment says: the client area goes into a
    // room of its own that keeps it in the middle.
    window->layout()->setSizeConstraint(QLayout::SetNoConstraint);
    QWidget* client = window->takeCentralWidget();
    auto* room = new QWidget;
    room->setObjectName(client->objectName() + QStringLiteral("Room"));
    auto* middle = new QGridLayout(room);
    middle->setContentsMargins(0, 0, 0, 0);
    middle->addWidget(client, 0, 0, Qt::AlignCenter);
    window->setCentralWidget(room);
    new ClientRoom(window, room, client);
}

void BringUp(QWidget* window, QWidget* owner, WindowRules rules) {
    if (rules.programPlacesWindows) {
        // Not tied to its owner: on Windows an owned window loses its taskbar button and can
        // never go behind the main window, and X11 window managers treat a transient alike.
        if (!window->isVisible())
            CentreOnScreen(window);
        window->show();
        if (window->isMinimized())
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        window->activateWindow();
        return;
    }
    // Set before the window is shown: the compositor learns of the owner when the window maps.
    window->winId();
    window->windowHandle()->setTransientParent(owner->windowHandle());
    // Raising needs the compositor's consent, which weston 10 never gives: a window mapped anew
    // comes to the front, minimised or not, and over its owner again.
    if (window->isVisible())
        window->hide();
    window->show();
    window->activateWindow();
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

void SetTabOrder(std::span<QWidget* const> order) {
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
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
