#include "FormSetup.h"

#include <QMainWindow>

namespace soranika {

namespace {

BuiltControls BuildClientArea(QWidget* clientArea, const FormDesign& design) {
    SetClientSize(clientArea, design.widthTwips, design.heightTwips);
    clientArea->setFont(MakeFont(design.font));
    BuiltControls controls = BuildControls(clientArea, design.controls, design.lines);
    // After the controls: each label's text is checked against the colour it stands on.
    if (design.background.isValid())
        SetBackground(clientArea, design.background);
    return controls;
}

} // namespace

BuiltControls SetUpForm(QWidget* window, const FormDesign& design) {
    window->setObjectName(QString::fromLatin1(design.name));
    SetUpFixedWindow(window, design.title, design.kind);
    return BuildClientArea(window, design);
}

BuiltControls SetUpForm(QMainWindow* window, const FormDesign& design) {
    window->setObjectName(QString::fromLatin1(design.name));
    SetUpFixedWindow(window, design.title, design.kind);
    auto* clientArea = new QWidget(window);
    clientArea->setObjectName(window->objectName() + QStringLiteral("Client"));
    BuiltControls controls = BuildClientArea(clientArea, design);
    window->setCentralWidget(clientArea);
    FitMainWindowToClient(window);
    return controls;
}

} // namespace soranika
