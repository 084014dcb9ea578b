#include "FormSetup.h"

#include <QMainWindow>

namespace soranika {

namespace {

BuiltControls BuildClientArea(QWidget* clientArea, const FormSpec& spec) {
    SetClientSize(clientArea, spec.widthTwips, spec.heightTwips);
    clientArea->setFont(MakeFont(spec.font));
    BuiltControls controls = BuildControls(clientArea, spec.controls, spec.lines);
    // After the controls: each label's text is checked against the colour it stands on.
    if (spec.background.isValid())
        SetBackground(clientArea, spec.background);
    return controls;
}

} // namespace

BuiltControls SetUpForm(QWidget* window, const FormSpec& spec) {
    window->setObjectName(QString::fromLatin1(spec.name));
    SetUpFixedWindow(window, spec.title, spec.kind);
    return BuildClientArea(window, spec);
}

BuiltControls SetUpForm(QMainWindow* window, const FormSpec& spec) {
    window->setObjectName(QString::fromLatin1(spec.name));
    SetUpFixedWindow(window, spec.title, spec.kind);
    auto* clientArea = new QWidget(window);
    clientArea->setObjectName(window->objectName() + QStringLiteral("Client"));
    BuiltControls controls = BuildClientArea(clientArea, spec);
    window->setCentralWidget(clientArea);
    FitMainWindowToClient(window);
    return controls;
}

} // namespace soranika
