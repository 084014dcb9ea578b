// Windows and the windowing system: a window keeps its designed size where the system lets it
// and takes the compositor's on Wayland, with its controls where they were designed; a
// secondary window comes up over its main window; the date lists scroll within the screen.

#include "ControlTable.h"
#include "WindowSetup.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWindow>

#include <array>
#include <memory>

using namespace soranika;
using namespace Qt::StringLiterals;

namespace {

constexpr WindowRules kX11{.windowsKeepTheirSize = true, .programPlacesWindows = true};
constexpr WindowRules kWayland{.windowsKeepTheirSize = false, .programPlacesWindows = false};
const QColor kWindowColour(0x3c, 0xb4, 0xc8);

// A main window as the program builds one: a menu bar over a client area of 8025 x 5625 twips
// (535 x 375 pixels) with a button on it.
std::unique_ptr<QMainWindow> MainWindow(const WindowRules& rules) {
    auto window = std::make_unique<QMainWindow>();
    SetUpFixedWindow(window.get(), u"main"_s, WindowKind::Main);
    window->menuBar()->addMenu(u"ﾌｧｲﾙ(&F)"_s);
    auto* client = new QWidget(window.get());
    client->setObjectName(u"Client"_s);
    SetClientSize(client, 8025, 5625, rules);
    SetBackground(client, kWindowColour);
    (new QPushButton(u"鑑　定"_s, client))->setGeometry(448, 64, 81, 41);
    window->setCentralWidget(client);
    FitMainWindowToClient(window.get(), rules);
    return window;
}

// A secondary window that is its own client area, 5250 x 2910 twips (350 x 194 pixels).
std::unique_ptr<QWidget> SecondaryWindow(const WindowRules& rules) {
    auto window = std::make_unique<QWidget>();
    SetUpFixedWindow(window.get(), u"about"_s, WindowKind::Secondary);
    SetClientSize(window.get(), 5250, 2910, rules);
    SetBackground(window.get(), kWindowColour);
    (new QPushButton(u"OK"_s, window.get()))->setGeometry(20, 30, 60, 25);
    return window;
}

// Counts the times a window is shown.
class ShowCounter : public QObject {
public:
    int shown = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            ++shown;
        return false;
    }
};

} // namespace

class TestWindowSetup : public QObject {
    Q_OBJECT

private slots:
    void rulesOfPlatforms_data();
    void rulesOfPlatforms();
    void windowsKeepTheirSizeWhereTheyCan();
    void onWaylandASecondaryWindowTakesAnySize();
    void onWaylandTheMainWindowKeepsItsClientInTheMiddle();
    void bringingUpAWindowWhereTheProgramPlacesThem();
    void bringingUpAWindowOnWayland();
    void dateListsScrollWithinTheScreen();
};

void TestWindowSetup::rulesOfPlatforms_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("keepSize");
    QTest::addColumn<bool>("placed");
    QTest::newRow("X11") << u"xcb"_s << true << true;
    QTest::newRow("Windows") << u"windows"_s << true << true;
    QTest::newRow("headless") << u"offscreen"_s << true << true;
    QTest::newRow("Wayland") << u"wayland"_s << false << false;
    QTest::newRow("Wayland with EGL") << u"wayland-egl"_s << false << false;
}

void TestWindowSetup::rulesOfPlatforms() {
    QFETCH(QString, platform);
    QFETCH(bool, keepSize);
    QFETCH(bool, placed);
    const WindowRules rules = WindowRulesOf(platform);
    QCOMPARE(rules.windowsKeepTheirSize, keepSize);
    QCOMPARE(rules.programPlacesWindows, placed);
}

void TestWindowSetup::windowsKeepTheirSizeWhereTheyCan() {
    const auto main = MainWindow(kX11);
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    const QSize designed = main->size();
    QCOMPARE(main->centralWidget()->size(), QSize(535, 375));
    QCOMPARE(designed.width(), 535);
    main->resize(1000, 800);
    QCOMPARE(main->size(), designed);
    QCOMPARE(main->minimumSize(), designed);
    QCOMPARE(main->maximumSize(), designed);

    const auto about = SecondaryWindow(kX11);
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about.get()));
    about->resize(1000, 800);
    QCOMPARE(about->size(), QSize(350, 194));
    QCOMPARE(about->maximumSize(), QSize(350, 194));
}

void TestWindowSetup::onWaylandASecondaryWindowTakesAnySize() {
    // A maximised window that keeps a smaller size is a protocol error: the compositor ends the
    // program. The window asks for no limits, so that Qt takes whatever size it is given.
    const auto about = SecondaryWindow(kWayland);
    QCOMPARE(about->size(), QSize(350, 194));
    QCOMPARE(about->minimumSize(), QSize(0, 0));
    QCOMPARE(about->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about.get()));
    const QRect button = about->findChild<QPushButton*>()->geometry();
    for (const QSize given : {QSize(1280, 868), QSize(300, 600)}) {
        about->resize(given);
        QTRY_COMPARE(about->size(), given);
        QCOMPARE(about->findChild<QPushButton*>()->geometry(), button);
    }
    // The space beyond the design is the window's colour.
    about->resize(1280, 868);
    QCOMPARE(about->grab().toImage().pixelColor(1200, 800), kWindowColour);
}

void TestWindowSetup::onWaylandTheMainWindowKeepsItsClientInTheMiddle() {
    const auto main = MainWindow(kWayland);
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    auto* client = main->findChild<QWidget*>(u"Client"_s);
    const auto clientPlace = [&] {
        return client->mapTo(main.get(), QPoint(0, 0));
    };
    const int menuHeight = main->menuBar()->height();
    // Its designed size, even where that is more than two thirds of the screen (800 wide here).
    QCOMPARE(main->size(), QSize(535, 375 + menuHeight));
    QCOMPARE(main->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QCOMPARE(main->minimumSize(), QSize(0, 0));
    QCOMPARE(clientPlace(), QPoint(0, menuHeight));

    main->resize(1280, 868);
    QTRY_COMPARE(main->size(), QSize(1280, 868));
    QTRY_COMPARE(clientPlace(),
                 QPoint((1280 - 535) / 2, menuHeight + (868 - menuHeight - 375) / 2));
    QCOMPARE(client->size(), QSize(535, 375));
    QCOMPARE(main->menuBar()->width(), 1280);
    // Around the client area, the window's colour; a later colour reaches it too.
    QCOMPARE(main->grab().toImage().pixelColor(5, 860), kWindowColour);
    SetBackground(client, Qt::yellow);
    QCOMPARE(main->grab().toImage().pixelColor(1275, menuHeight + 5), QColor(Qt::yellow));
    // The button in the middle answers where it is shown.
    auto* button = client->findChild<QPushButton*>();
    QCOMPARE(button->mapTo(main.get(), QPoint(0, 0)), clientPlace() + QPoint(448, 64));
}

void TestWindowSetup::bringingUpAWindowWhereTheProgramPlacesThem() {
    const auto main = MainWindow(kX11);
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    const auto about = SecondaryWindow(kX11);
    BringUp(about.get(), main.get(), kX11);
    QVERIFY(about->isVisible());
    const QRect screen = about->screen()->availableGeometry();
    // The frame is not known before the window is first shown: its width may be missing.
    QVERIFY(qAbs(about->frameGeometry().center().x() - screen.center().x()) <= 3);
    // Not tied to the main window: on Windows an owned window would lose its taskbar button.
    QVERIFY(!about->windowHandle()->transientParent());

    // Moved by the user, minimised, then asked for again: back where the user put it.
    about->move(screen.topLeft() + QPoint(10, 20));
    const QPoint placed = about->pos();
    about->showMinimized();
    QTRY_VERIFY(about->isMinimized());
    BringUp(about.get(), main.get(), kX11);
    QVERIFY(!about->isMinimized());
    QCOMPARE(about->pos(), placed);
}

void TestWindowSetup::bringingUpAWindowOnWayland() {
    const auto main = MainWindow(kWayland);
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    const auto about = SecondaryWindow(kWayland);
    ShowCounter counter;
    about->installEventFilter(&counter);
    // The compositor places a window over its transient parent.
    BringUp(about.get(), main.get(), kWayland);
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowHandle()->transientParent(), main->windowHandle());
    QCOMPARE(counter.shown, 1);
    // Nothing can raise it there: shown anew, it comes to the front, also out of a minimise.
    BringUp(about.get(), main.get(), kWayland);
    QVERIFY(about->isVisible());
    QCOMPARE(counter.shown, 2);
    QCOMPARE(about->windowHandle()->transientParent(), main->windowHandle());
}

void TestWindowSetup::dateListsScrollWithinTheScreen() {
    // The day list of the main window: 31 items in a box 345 twips high.
    const std::array<ControlSpec, 2> rows{{
        {.name = "day",
         .kind = ControlKind::DropDownList,
         .rect = {3000, 360, 615, 345},
         .text = u"1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20|21|22|23|24|25|26|27|28|"
                 u"29|30|31"_s,
         .font = {.points = 11.25}},
        {.name = "era",
         .kind = ControlKind::EditableCombo,
         .rect = {120, 360, 855, 345},
         .text = u"西暦|明治|大正|昭和|平成|令和"_s},
    }};
    QWidget form;
    form.resize(535, 375);
    const auto controls = BuildControls(&form, rows);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const char* name : {"day", "era"}) {
        auto* list = controls.get<QComboBox>(name);
        // Not the whole list over the box: a list below it that scrolls.
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        QCOMPARE(list->style()->styleHint(QStyle::SH_ComboBox_Popup, &option, list), 0);
        QCOMPARE(list->maxVisibleItems(), ListBoxRows);
        list->showPopup();
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        const int rowsShown = view->viewport()->height() / view->sizeHintForRow(0);
        QCOMPARE(rowsShown, qMin(list->count(), ListBoxRows));
        const QRect popup = view->window()->geometry();
        QVERIFY2(list->screen()->availableGeometry().contains(popup), name);
        QVERIFY(popup.top() >= list->mapToGlobal(QPoint(0, 0)).y());
        list->hidePopup();
    }
}

QTEST_MAIN(TestWindowSetup)
#include "tst_windowsetup.moc"
