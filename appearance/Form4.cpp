#include "Form4.h"

#include "FormSetup.h"
#include "MessageBoxes.h"
#include "ProductInfo.h"

#include <QCursor>

#include <array>

namespace soranika {

namespace {

const QColor kBlue = Qt::blue; // 00FF0000
constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

const std::array<ControlSpec, 5> kControls{{
    {.name = "Label1",
     .kind = ControlKind::Label,
     .rect = {345, 120, 4650, 420},
     .text = ApplicationTitle,
     .font =
         {.points = 18, .italic = true, .family = QStringLiteral("ＨＧｺﾞｼｯｸE-PRO"), .weight = 800},
     .alignment = Qt::AlignHCenter | Qt::AlignTop,
     .sizing = Sizing::ToTextKeepCentre,
     .textColour = kBlue,
     .border = true},
    {.name = "Label6",
     .kind = ControlKind::Label,
     .rect = {240, 1200, 1215, 255},
     .text = QStringLiteral("最 新 情 報"),
     .font = {.points = 11.25, .italic = true},
     .textColour = kBlue,
     .accessibleName = QStringLiteral("最新情報")}, // spaced out on screen, one word aloud
    {.name = "Label5",
     .kind = ControlKind::Link,
     .rect = {360, 1440, 4425, 225},
     .text = HomePageAddress,
     .font = {.points = 11.25, .italic = true, .underline = true},
     .tooltip = QStringLiteral("作者のホームページです。"),
     .alignment = kTopLeft,
     .sizing = Sizing::ToTextKeepLeft,
     .textColour = kBlue},
    {.name = "Label2(0)",
     .kind = ControlKind::Label,
     .rect = {2400, 2280, 2775, 375},
     .text = AuthorCredit,
     .font = {.points = 11.25, .bold = true, .italic = true, .underline = true},
     .textColour = kBlue},
    {.name = "Label2(1)",
     .kind = ControlKind::Label,
     .rect = {3360, 2640, 1815, 255},
     .text = QStringLiteral("2000.2.13～"),
     .font = {.points = 11.25, .bold = true, .italic = true},
     .textColour = kBlue},
}};

// The frame around the link, its top edge broken where the heading stands.
const std::array<LineSpec, 5> kLines{{
    {.name = "Line1", .from = {120, 1920}, .to = {5040, 1920}},
    {.name = "Line2", .from = {1440, 1320}, .to = {5040, 1320}},
    {.name = "Line3", .from = {5040, 1920}, .to = {5040, 1320}},
    {.name = "Line4", .from = {120, 1920}, .to = {120, 1320}},
    {.name = "Line5", .from = {120, 1320}, .to = {240, 1320}},
}};

const FormDesign kForm{.name = "Form4",
                       .title = QStringLiteral("ﾊﾞｰｼﾞｮﾝ"),
                       .kind = WindowKind::Secondary,
                       .widthTwips = 5250,
                       .heightTwips = 2910,
                       .font = {.points = 11.25},
                       .controls = kControls,
                       .lines = kLines};

} // namespace

std::span<const ControlSpec> Form4::controlTable() {
    return kControls;
}

Form4::Form4() {
    Label5 = SetUpForm(this, kForm).get<CaptionLabel>("Label5");
    connect(Label5, &CaptionLabel::clicked, this, &Form4::homePageClicked);
}

QString Form4::homePageAddress() const {
    return Label5->caption();
}

} // namespace soranika
