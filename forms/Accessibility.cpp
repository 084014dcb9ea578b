#include "Accessibility.h"

#include "LinkLabel.h"
#include "WindowSetup.h"

#include <QAccessibleWidget>
#include <QMainWindow>
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

QAccessibleInterface* Interface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* link = qobject_cast<LinkLabel*>(widget))
        return new LinkAccessible(link);
    // Only where Qt would fall back to its plain widget interface, so that dialogs and message
    // boxes keep their own.
    if (className == QLatin1StringView("QWidget") && widget->isWindow() &&
        !qobject_cast<QMainWindow*>(widget))
        return new FixedWindowAccessible(widget);
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(Interface);
}

} // namespace soranika
