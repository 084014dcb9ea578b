// The secondary windows as the person at the keyboard meets them: Escape closes each of them,
// never the main window, and the command that shows one brings it back when it was minimised.

#include "DateEntry.h"
#include "Files.h"
#include "FindControl.h"
#include "Fonts.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "HistoryWindow.h"
#include "JapaneseFonts.h"
#include "RunningProgram.h"
#include "StandIns.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTest>

#include <functional>
#include <memory>

using namespace soranika;
using namespace soranika::testing;
using namespace Qt::StringLiterals;

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void escapeClosesEachSecondaryWindow_data();
    void escapeClosesEachSecondaryWindow();
    void escapeLeavesTheMainWindowOpen();
    void showingAgainBringsBackAMinimisedWindow();

private:
    void enterReading();

    std::unique_ptr<RunningProgram> program_;
};

// How each secondary window is opened from the main window, and the window it opens.
using OpenWindow = std::function<QWidget*(Form1&)>;
Q_DECLARE_METATYPE(OpenWindow)

void TestWindows::initTestCase() {
    if (const QString missing = MissingJapaneseFonts(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    InstallFontSubstitutions();
}

void TestWindows::init() {
    program_ = std::make_unique<RunningProgram>();
    QVERIFY(program_->start());
}

void TestWindows::cleanup() {
    program_.reset();
}

void TestWindows::enterReading() {
    Form1& form = *program_->form;
    EnterBirthDate(form, u"昭和"_s, u"60"_s, 5, 12);
    Click(form, "Command1");
}

void TestWindows::escapeClosesEachSecondaryWindow_data() {
    QTest::addColumn<OpenWindow>("open");
    QTest::newRow("detail") << OpenWindow([](Form1& form) -> QWidget* {
        Click(form, "Command5");
        return form.form3();
    });
    QTest::newRow("explanation") << OpenWindow([](Form1& form) -> QWidget* {
        Choose(form, "Mnu_setumei");
        return form.form2();
    });
    QTest::newRow("about") << OpenWindow([](Form1& form) -> QWidget* {
        Choose(form, "mnu_ver");
        return form.form4();
    });
#ifndef Q_OS_WIN // there the history opens in Notepad
    QTest::newRow("history") << OpenWindow([](Form1& form) -> QWidget* {
        Choose(form, "Mnu_Rireki");
        return form.historyWindow();
    });
#endif
}

void TestWindows::escapeClosesEachSecondaryWindow() {
    QFETCH(OpenWindow, open);
    enterReading();
    // For the explanation window.
    QVERIFY(WriteAll(program_->system.folder.filePath(u"readme.txt"_s), "help\r\n"));

    QPointer<QWidget> window = open(*program_->form);
    QVERIFY(window && window->isVisible());
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    // The key goes where the keyboard is: to the control that has the focus, if any.
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window.data();
    QCOMPARE(focus->window(), window.data());
    QTest::keyClick(focus, Qt::Key_Escape);
    QTRY_VERIFY(window.isNull() || !window->isVisible());
    QVERIFY(program_->form->isVisible());
    QVERIFY(program_->system.messages.shown.isEmpty());
}

void TestWindows::escapeLeavesTheMainWindowOpen() {
    Form1& form = *program_->form;
    for (const char* name : {"Combo1(0)", "Text1(0)", "Command1"}) {
        auto* control = Find<QWidget>(form, name);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Escape);
        QVERIFY2(form.isVisible(), name);
    }
}

void TestWindows::showingAgainBringsBackAMinimisedWindow() {
    Form1& form = *program_->form;
    enterReading();
    Click(form, "Command5");
    Form3* detail = form.form3();
    QVERIFY(QTest::qWaitForWindowExposed(detail));
    detail->showMinimized();
    QTRY_VERIFY(detail->isMinimized());
    Click(form, "Command5");
    QCOMPARE(form.form3(), detail);
    QTRY_VERIFY(!detail->isMinimized());
    QVERIFY(detail->isVisible());

    Choose(form, "mnu_ver");
    Form4* about = form.form4();
    about->showMinimized();
    QTRY_VERIFY(about->isMinimized());
    Choose(form, "mnu_ver");
    QTRY_VERIFY(!about->isMinimized());
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
