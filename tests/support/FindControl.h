#pragma once

// The tests reach a window's controls the way a person names them: by their designer names,
// which are the controls' object names.

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

} // namespace soranika::testing
