#include "Form2.h"

#include "ControlTable.h"
#include "WindowSetup.h"

#include <QPlainTextEdit>

#include <array>

namespace soranika {

namespace {

// Eleven ideographic spaces put the title in the middle of the title bar.
const QString kCaption = QStringLiteral("　　　　　　　　　　　＊＊　ソラニカの説明　＊＊");

const std::array<ControlSpec, 1> kControls{{
    {.name = "Text1",
     .kind = ControlKind::TextArea,
     .rect = {120, 120, 7215, 5415},
     .font = {.points = 10.5},
     .accessibleName = QStringLiteral("ソラニカの説明")},
}};

} // namespace

Form2::Form2() {
    setObjectName(QStringLiteral("Form2"));
    SetUpFixedWindow(this, kCaption, WindowKind::Secondary);
    SetClientSize(this, 7470, 5730);
    setFont(MakeFont({.points = 12}));
    const auto controls = BuildControls(this, kControls);
    Text1 = qobject_cast<QPlainTextEdit*>(controls.value(QStringLiteral("Text1")));
}

void Form2::setHelpText(const QString& text) {
    Text1->setPlainText(text);
}

} // namespace soranika
