#include "Form4.h"

#include "FormLayout.h"
#include "ProductInfo.h"

#include <array>

namespace soranika {

namespace {

const QColor kBlue = Qt::blue; // 00FF0000

const FontSpec kItalic{11.25, false, true};

// clang-format off
const std::array<ControlSpec, 5> kControls{{
    {"Label1", ControlKind::Label, {345, 120, 4650, 420}, ApplicationTitle,
     {18, false, true, false, QStringLiteral("ＨＧｺﾞｼｯｸE-PRO"), 800}, {},
     Qt::AlignHCenter | Qt::AlignTop, Sizing::ToTextKeepCentre, kBlue, true},
    {"Label6", ControlKind::Label, {240, 1200, 1215, 255}, QStringLiteral("最 新 情 報"), kItalic,
     {}, Qt::AlignLeft | Qt::AlignTop, Sizing::Fixed, kBlue},
    {"Label5", ControlKind::Label, {360, 1440, 4425, 225}, HomePageAddress,
     {11.25, false, true, true}, QStringLiteral("作者のホームページです。"),
     Qt::AlignLeft | Qt::AlignTop, Sizing::ToTextKeepLeft, kBlue},
    {"Label2(0)", ControlKind::Label, {2400, 2280, 2775, 375}, AuthorCredit,
     {11.25, true, true, true}, {}, Qt::AlignLeft | Qt::AlignTop, Sizing::Fixed, kBlue},
    {"Label2(1)", ControlKind::Label, {3360, 2640, 1815, 255}, QStringLiteral("2000.2.13～"),
     {11.25, true, true}, {}, Qt::AlignLeft | Qt::AlignTop, Sizing::Fixed, kBlue},
}};
// clang-format on

// The frame around the link, its top edge broken where the heading stands.
const std::array<LineSpec, 5> kLines{{
    {"Line1", {120, 1920}, {5040, 1920}},
    {"Line2", {1440, 1320}, {5040, 1320}},
    {"Line3", {5040, 1920}, {5040, 1320}},
    {"Line4", {120, 1920}, {120, 1320}},
    {"Line5", {120, 1320}, {240, 1320}},
}};

} // namespace

Form4::Form4() {
    setObjectName(QStringLiteral("Form4"));
    SetUpFixedWindow(this, QStringLiteral("ﾊﾞｰｼﾞｮﾝ"), false);
    SetClientSize(this, 5250, 2910);
    setFont(MakeFont(FontSpec{11.25}));
    const auto controls = BuildControls(this, kControls, kLines);
    const auto label = [&](const char* name) {
        return qobject_cast<CaptionLabel*>(controls.value(QString::fromLatin1(name)));
    };
    Label1 = label("Label1");
    Label5 = label("Label5");
    Label6 = label("Label6");
    Label2 = {label("Label2(0)"), label("Label2(1)")};
    for (std::size_t i = 0; i < Line.size(); ++i)
        Line[i] = qobject_cast<LineControl*>(controls.value(QStringLiteral("Line%1").arg(i + 1)));
    Label5->setCursor(HandCursor());
}

} // namespace soranika
