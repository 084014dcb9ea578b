#pragma once

// The tests reach a window's controls the way a person names them: by their designer names,
// which are the controls' object names, and press them as a person would.

#include <QAbstractButton>
#include <QAction>
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace soranika::testing {

// The child of `root` named `name`; a missing or mistyped control ends the test run at once
// rather than a null pointer later.
template <typename T>
T* Find(const QObject& root, const char* name) {
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s of the expected kind in %s", name, qPrintable(root.objectName()));
    return found;
}

// Presses the button `name`, as a click of the mouse on it would.
inline void Click(const QObject& root, const char* name) {
    Find<QAbstractButton>(root, name)->click();
}

// Chooses the menu entry `name`, as a click on it in its open menu would.
inline void Choose(const QObject& root, const char* name) {
    Find<QAction>(root, name)->trigger();
}

} // namespace soranika::testing
