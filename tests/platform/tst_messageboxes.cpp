// The real message box: Clear's confirmation relies on how it maps the user's answer, and every
// message on its title, text and icon.

#include "QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace soranika;
using namespace Qt::StringLiterals;

namespace {

// Shows the message and, once the box is up, does to it what a user would.
MessageAnswer Answer(const Message& message, const std::function<void(QMessageBox&)>& user) {
    QTimer::singleShot(0, [user] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        user(*box);
    });
    return QtMessageBoxes().show(nullptr, message);
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
    QCOMPARE(Answer(kConfirmation, click(QMessageBox::Ok)), MessageAnswer::Ok);
    QCOMPARE(Answer(kConfirmation, key(Qt::Key_Return)), MessageAnswer::Ok); // OK is the default
    QCOMPARE(Answer(kConfirmation, click(QMessageBox::Cancel)), MessageAnswer::Cancel);
    QCOMPARE(Answer(kConfirmation, key(Qt::Key_Escape)), MessageAnswer::Cancel);
    QCOMPARE(Answer(kConfirmation, [](QMessageBox& box) { box.close(); }), MessageAnswer::Cancel);
    QCOMPARE(Answer({.text = u"お知らせ"_s}, key(Qt::Key_Return)), MessageAnswer::Ok);
}

void TestMessageBoxes::looksAsAsked() {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    Answer(kConfirmation, [&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        buttons = box.buttons().size();
        QCOMPARE(box.textFormat(), Qt::PlainText);
        box.close();
    });
    QCOMPARE(title, u"確認"_s);
    QCOMPARE(text, u"削除してもよろしいですか？"_s);
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons, 2);

    Answer({.text = u"<b>そのまま</b>"_s}, [&](QMessageBox& box) {
        title = box.windowTitle();
        icon = box.icon();
        box.close();
    });
    QCOMPARE(title, u"ソラニカVer1.0"_s); // a message without a title of its own
    QCOMPARE(icon, QMessageBox::NoIcon);
}

void TestMessageBoxes::messageIsTheBoxsDescription() {
    // With Qt 6.8 a screen reader (Orca 48) says a box's title and description as the focus
    // comes into it, and nothing else but the button that has the focus.
    QString description;
    Answer(kConfirmation, [&](QMessageBox& box) {
        description = box.accessibleDescription();
        box.close();
    });
    QCOMPARE(description, QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) ? kConfirmation.text : QString());
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
