#include "Form2.h"

#include "FormSetup.h"

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

const FormDesign kForm{.name = "Form2",
                       .title = kCaption,
                       .kind = WindowKind::Secondary,
                       .widthTwips = 7470,
                       .heightTwips = 5730,
                       .font = {.points = 12},
                       .controls = kControls};

} // namespace

Form2::Form2() {
    Text1 = SetUpForm(this, kForm).get<QPlainTextEdit>("Text1");
}

void Form2::setHelpText(const QString& text) {
    Text1->setPlainText(text);
}

} // namespace soranika
