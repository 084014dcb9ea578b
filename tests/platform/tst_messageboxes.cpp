// The real message box: Clear's confirmation relies on how it maps the user's answer, and every
// message on its title, text and icon.

#include "QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace soranika;
using namespace Qt::StringLiterals;

namespace {

// What became of a message: the answer the box gave, whether the box was up as the modal window
// when the user came to it, and whether what the user did closed it.
struct Answered {
    MessageAnswer answer = MessageAnswer::Cancel;
    bool boxWasUp = true;
    bool userClosedIt = true;
    friend bool operator==(const Answered&, const Answered&) = default;
};

char* toString(const Answered& answered) {
    return qstrdup(qPrintable(u"%1%2%3"_s.arg(
        answered.answer == MessageAnswer::Ok ? u"Ok"_s : u"Cancel"_s,
        answered.boxWasUp ? QString() : u", no modal box came up"_s,
        answered.userClosedIt ? QString() : u", the box stayed open until closed for the user"_s)));
}

// The box the message put up: the modal window, else any box that is shown.
QMessageBox* BoxShown(bool& modal) {
    modal = true;
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        return box;
    modal = false;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// Closes every message box on the screen, even one that would not close as a user closes it (a
// box without an escape button ignores that).
void CloseEveryBox() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (!box || !box->isVisible())
            continue;
        box->close();
        if (box->isVisible())
            box->reject();
    }
}

// How long a message may take to put its box up before the test gives up on it: the box is up
// before its event loop runs, so a second is ample even on a loaded machine.
constexpr int kBoxPatienceMs = 1000;

// Shows the message and, once the box is up, does to it what a user would. Every box is closed
// before the message returns, so that `user` only records what it sees and the test checks it
// afterwards: a check failing while the box is up, or a box the user never came to, would leave
// the box waiting for an answer and the test hanging until its time runs out. A box that does
// not come up in time, or does not close for the user, is closed all the same and the answer says
// so.
Answered Answer(const Message& message, const std::function<void(QMessageBox&)>& user) {
    Answered answered{.boxWasUp = false, .userClosedIt = false};
    bool userCame = false;
    QElapsedTimer waiting;
    waiting.start();
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!userCame) {
            bool modal = false;
            QPointer<QMessageBox> box = BoxShown(modal);
            if (!box && waiting.elapsed() < kBoxPatienceMs)
                return; // not up yet: look again at the next tick
            userCame = true;
            if (box && modal) {
                answered.boxWasUp = true;
                user(*box);
                answered.userClosedIt = !box || !box->isVisible();
            }
        }
        CloseEveryBox(); // at every tick until the message returns
    });
    watch.start();
    answered.answer = QtMessageBoxes().show(nullptr, message);
    watch.stop();
    CloseEveryBox(); // one that was not the modal window
    return answered;
}

// The box answered as the user meant, and closed by what the user did.
Answered Gave(MessageAnswer answer) {
    return {.answer = answer};
}

const Message kConfirmation{.text = u"削除してもよろしいですか？"_s,
                            .title = u"確認"_s,
                            .buttons = Message::Buttons::OkCancel,
                            .icon = Message::Icon::Warning};

} // namespace

class TestMessageBoxes : public QObject {
    Q_OBJECT

private slots:
    void onlyOkAnswersOk();
    void looksAsAsked();
    void messageIsTheBoxsDescription();
};

void TestMessageBoxes::onlyOkAnswersOk() {
    const auto click = [](QMessageBox::StandardButton which) {
        return [which](QMessageBox& box) {
            box.button(which)->click();
        };
    };
    const auto key = [](Qt::Key pressed) {
        return [pressed](QMessageBox& box) {
            QTest::keyClick(&box, pressed);
        };
    };
    QCOMPARE(Answer(kConfirmation, click(QMessageBox::Ok)), Gave(MessageAnswer::Ok));
    QCOMPARE(Answer(kConfirmation, key(Qt::Key_Return)), Gave(MessageAnswer::Ok)); // the default
    QCOMPARE(Answer(kConfirmation, click(QMessageBox::Cancel)), Gave(MessageAnswer::Cancel));
    QCOMPARE(Answer(kConfirmation, key(Qt::Key_Escape)), Gave(MessageAnswer::Cancel));
    QCOMPARE(Answer(kConfirmation, [](QMessageBox& box) { box.close(); }),
             Gave(MessageAnswer::Cancel));
    QCOMPARE(Answer({.text = u"お知らせ"_s}, key(Qt::Key_Return)), Gave(MessageAnswer::Ok));
}

void TestMessageBoxes::looksAsAsked() {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    Qt::TextFormat format = Qt::AutoText;
    QVERIFY(Answer(kConfirmation, [&](QMessageBox& box) {
                title = box.windowTitle();
                text = box.text();
                icon = box.icon();
                buttons = box.buttons().size();
                format = box.textFormat();
                box.close();
            }).boxWasUp);
    QCOMPARE(title, u"確認"_s);
    QCOMPARE(text, u"削除してもよろしいですか？"_s);
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons, 2);
    QCOMPARE(format, Qt::PlainText);

    QVERIFY(Answer({.text = u"<b>そのまま</b>"_s}, [&](QMessageBox& box) {
                title = box.windowTitle();
                icon = box.icon();
                box.close();
            }).boxWasUp);
    QCOMPARE(title, u"ソラニカVer1.0"_s); // a message without a title of its own
    QCOMPARE(icon, QMessageBox::NoIcon);
}

void TestMessageBoxes::messageIsTheBoxsDescription() {
    // With Qt 6.8 a screen reader (Orca 48) says a box's title and description as the focus
    // comes into it, and nothing else but the button that has the focus.
    QString description;
    QVERIFY(Answer(kConfirmation, [&](QMessageBox& box) {
                description = box.accessibleDescription();
                box.close();
            }).boxWasUp);
    QCOMPARE(description, QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) ? kConfirmation.text : QString());
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
