#include "Accessibility.h"

#include "LinkLabel.h"
#include "WindowSetup.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QVariant>

namespace soranika {

namespace {

class LinkAccessible final : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link)
        : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return link()->text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            link()->activate();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
};

// A top-level window of the program's is a window named by its title. The role is decided when
// it is asked for, not when the interface is made: Qt 6.8 makes (and keeps) a window's interface
// while the window is still being constructed, before SetUpFixedWindow has marked it.
class FixedWindowAccessible final : public QAccessibleWidget {
public:
    explicit FixedWindowAccessible(QWidget* window)
        : QAccessibleWidget(window) {}

    QAccessible::Role role() const override {
        return widget()->property(FixedWindowProperty).toBool() ? QAccessible::Window
                                                                : QAccessibleWidget::role();
    }
};

// What a control shows, as text for screen readers: its characters, and their attributes as one
// run over the whole. Qt 6.4 gives each character a run that ends where it starts, and Orca,
// which splits a line by those runs, then reads "60" as "6" and "Taro" as "Tar".
class ShownTextInterface : public QAccessibleTextInterface {
public:
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return int(shown().size()); }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

protected:
    virtual QString shown() const = 0;
};

// A list box the user only picks from. Qt names it by the item it shows and gives it no value,
// so a screen reader says "5 combo box" and nothing when the item changes. Here it is named by
// its label (月, 日) and its value, the item it shows, is its text: Orca reads a combo box's
// value from that text.
class DropDownListAccessible final : public QAccessibleWidget, public ShownTextInterface {
public:
    explicit DropDownListAccessible(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}
    // Both bases have a text(): the widget's by kind, the interface's by range.
    using ShownTextInterface::text;

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view() && box()->view()->isVisible();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    // The shown item as read-only text, without caret or selection.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    QString shown() const override { return box()->currentText(); }
};

// Where a window says something to screen readers that its controls do not show by a change
// of focus: a widget without size, so nothing on the screen changes, that screen readers take
// for a notification. Each time it is shown, Orca speaks its name.
class ScreenReaderNotice final : public QWidget {
public:
    explicit ScreenReaderNotice(QWidget* window)
        : QWidget(window) {
        setObjectName(QStringLiteral("ScreenReaderNotice"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
        hide();
    }

    void say(const QString& words) {
        hide();
        setAccessibleName(words);
        show();
    }
};

class NoticeAccessible final : public QAccessibleWidget {
public:
    explicit NoticeAccessible(QWidget* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}
};

// A one-line text box: Qt's own interface, with the attributes one run over the whole text
// (ShownTextInterface).
class LineEditAccessible final : public QAccessibleWidget,
                                 public ShownTextInterface,
                                 public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }
    using ShownTextInterface::text;

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface && !box()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return shown();
        const QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Description && text.isEmpty())
            return box()->placeholderText();
        return text;
    }
    void setText(QAccessible::Text kind, const QString& text) override {
        if (kind == QAccessible::Value && !box()->isReadOnly())
            box()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !box()->hasSelectedText())
            return;
        *start = box()->selectionStart();
        *end = *start + int(box()->selectedText().size());
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    // Where the character stands while the text is not scrolled; screen readers use it to show
    // where they read, not to read.
    QRect characterRect(int offset) const override {
        const QString text = shown();
        if (offset < 0 || offset >= text.size())
            return {};
        const QFontMetrics metrics(box()->font());
        const QRect inside = box()->contentsRect().marginsRemoved(box()->textMargins());
        const QRect glyph(inside.left() + metrics.horizontalAdvance(text.left(offset)),
                          inside.top(), metrics.horizontalAdvance(text.at(offset)),
                          inside.height());
        return {box()->mapToGlobal(glyph.topLeft()), glyph.size()};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int end) override { box()->setCursorPosition(end); }

    void deleteText(int start, int end) override {
        box()->setSelection(start, end - start);
        box()->del();
    }
    void insertText(int offset, const QString& text) override {
        box()->setCursorPosition(offset);
        box()->insert(text);
    }
    void replaceText(int start, int end, const QString& text) override {
        box()->setSelection(start, end - start);
        box()->insert(text);
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
    // What the box shows: a password box's dots, not its text.
    QString shown() const override {
        return box()->echoMode() == QLineEdit::Normal ? box()->text() : box()->displayText();
    }
};

// An entry of the program's menus (or a menu in its menu bar), read by the name it was given:
// the half-width kana of a caption such as ﾌｧｲﾙ(&F) would be spelled out, where ファイル is a word.
// A checkable entry says whether it is checked.
class MenuEntryAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit MenuEntryAccessible(QAction* entry)
        : entry_(entry) {}

    bool isValid() const override { return entry_ && owner(); }
    QObject* object() const override { return entry_; }
    QWindow* window() const override {
        QWidget* shownIn = owner();
        return shownIn && shownIn->window() ? shownIn->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(owner());
    }
    int childCount() const override { return entry_ && entry_->menu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && childCount() == 1
                   ? QAccessible::queryAccessibleInterface(entry_->menu())
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && childCount() == 1 && child->object() == entry_->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* menu = child(0);
        return menu && menu->rect().contains(x, y) ? menu : nullptr;
    }
    QString text(QAccessible::Text kind) const override {
        if (!entry_)
            return {};
        if (kind == QAccessible::Name) {
            const QString given = entry_->property(MenuEntryNameProperty).toString();
            return !given.isEmpty() ? given : QString(entry_->text()).remove(u'&');
        }
        if (kind == QAccessible::Accelerator) {
            if (!entry_->shortcut().isEmpty())
                return entry_->shortcut().toString(QKeySequence::NativeText);
            // The access key of the caption: ﾌｧｲﾙ(&F) opens with Alt+F.
            static const QRegularExpression accessKey(QStringLiteral("&([^&])"));
            const QRegularExpressionMatch key = accessKey.match(entry_->text());
            if (key.hasMatch())
                return QKeySequence(Qt::ALT).toString(QKeySequence::NativeText) +
                       key.captured(1).toUpper();
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        QWidget* shownIn = owner();
        QRect box;
        if (auto* bar = qobject_cast<QMenuBar*>(shownIn))
            box = bar->actionGeometry(entry_);
        else if (auto* menu = qobject_cast<QMenu*>(shownIn))
            box = menu->actionGeometry(entry_);
        return shownIn ? box.translated(shownIn->mapToGlobal(QPoint(0, 0))) : box;
    }
    // A menu item even when checkable: Qt's menus find their entries by this role.
    QAccessible::Role role() const override {
        return entry_ && entry_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        QWidget* shownIn = owner();
        if (!entry_ || !shownIn)
            return state;
        state.invisible = !shownIn->isVisible() || !entry_->isVisible();
        state.disabled = !entry_->isEnabled() || entry_->isSeparator();
        state.checkable = entry_->isCheckable();
        state.checked = entry_->isChecked();
        state.focusable = !state.disabled;
        if (auto* bar = qobject_cast<QMenuBar*>(shownIn))
            state.focused = bar->activeAction() == entry_;
        else if (auto* menu = qobject_cast<QMenu*>(shownIn))
            state.focused = menu->activeAction() == entry_;
        state.expandable = entry_->menu() != nullptr;
        state.expanded = entry_->menu() && entry_->menu()->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        if (!entry_ || entry_->isSeparator())
            return {};
        return {entry_->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& action) override {
        if (!entry_ || !entry_->isEnabled())
            return;
        if (action == pressAction()) {
            entry_->trigger();
        } else if (action == showMenuAction()) {
            if (auto* bar = qobject_cast<QMenuBar*>(owner()))
                bar->setActiveAction(entry_);
            else if (auto* menu = qobject_cast<QMenu*>(owner()))
                menu->setActiveAction(entry_);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    // The menu bar or menu the entry is shown in.
    QWidget* owner() const {
        if (!entry_)
            return nullptr;
        for (QObject* shownIn : entry_->associatedObjects()) {
            if (qobject_cast<QMenuBar*>(shownIn) || qobject_cast<QMenu*>(shownIn))
                return static_cast<QWidget*>(shownIn);
        }
        return nullptr;
    }

    QPointer<QAction> entry_;
};

QAccessibleInterface* Interface(const QString& className, QObject* object) {
    if (auto* entry = qobject_cast<QAction*>(object);
        entry && entry->property(MenuEntryNameProperty).isValid())
        return new MenuEntryAccessible(entry);
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* link = qobject_cast<LinkLabel*>(widget))
        return new LinkAccessible(link);
    if (dynamic_cast<ScreenReaderNotice*>(widget))
        return new NoticeAccessible(widget);
    if (auto* box = qobject_cast<QLineEdit*>(widget); box && !QtReadsListsAndTextBoxes)
        return new LineEditAccessible(box);
    if (auto* box = qobject_cast<QComboBox*>(widget);
        box && !box->isEditable() && !QtReadsListsAndTextBoxes)
        return new DropDownListAccessible(box);
    // Only where Qt would fall back to its plain widget interface, so that dialogs and message
    // boxes keep their own.
    if (className == QLatin1StringView("QWidget") && widget->isWindow() &&
        !qobject_cast<QMainWindow*>(widget))
        return new FixedWindowAccessible(widget);
    return nullptr;
}

// One line: each line break becomes the end of a sentence.
QString SpokenText(const QString& text) {
    QString spoken;
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    for (QString line : text.split(lineBreaks, Qt::SkipEmptyParts)) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (!spoken.isEmpty() && !QStringLiteral("。．.！？!?").contains(spoken.back()))
            spoken += u'。';
        spoken += line;
    }
    return spoken;
}

// Qt's text box, taking the focus by Tab, selects its text before Qt reports the focus, and
// Orca, hearing of the selection first, takes the box as already announced. The box here takes
// the focus as a plain focus change and selects its text just after, once the focus is out.
class FocusFirst final : public QObject {
public:
    static FocusFirst& instance() {
        static auto* filter = new FocusFirst(qApp);
        return *filter;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (!box || event->type() != QEvent::FocusIn)
            return QObject::eventFilter(watched, event);
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
            reason != Qt::ShortcutFocusReason)
            return QObject::eventFilter(watched, event);
        QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(box, &plain);
        QTimer::singleShot(0, box, [box] {
            if (box->hasFocus() && !box->hasSelectedText())
                box->selectAll();
        });
        return true;
    }

private:
    using QObject::QObject;
};

} // namespace

void SayToScreenReader(QWidget* control, const QString& text) {
    QWidget* window = control->window();
    // Looked up as a plain widget: Qt 6.8 finds only classes that moc knows by their type.
    auto* notice = dynamic_cast<ScreenReaderNotice*>(window->findChild<QWidget*>(
        QStringLiteral("ScreenReaderNotice"), Qt::FindDirectChildrenOnly));
    if (!notice)
        notice = new ScreenReaderNotice(window);
    notice->say(SpokenText(text));
}

void SetSpokenMenuName(QAction* entry, const QString& name) {
    entry->setProperty(MenuEntryNameProperty, name);
    if (QMenu* menu = entry->menu())
        menu->setAccessibleName(name);
}

void ReportFocusBeforeCaret(QLineEdit* box) {
    box->installEventFilter(&FocusFirst::instance());
}

void InstallAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(Interface);
}

} // namespace soranika
