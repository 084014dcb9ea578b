#include "Form3.h"

#include "FormLayout.h"

#include <QIcon>

#include <array>

namespace soranika {

namespace {

const FontSpec kLarge{14.25, true, true};
const FontSpec kMedium{12, true, true};
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTop;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignTop;

// clang-format off
const std::array<ControlSpec, 17> kControls{{
    {"Label6", ControlKind::Label, {360, 240, 1095, 375}, QStringLiteral("お名前"), kLarge, {}, kLeft},
    {"Label12", ControlKind::Label, {1560, 240, 2535, 375}, {}, kLarge, {}, kLeft},
    {"Label7", ControlKind::Label, {4200, 240, 1455, 375}, QStringLiteral("生年月日"), kLarge, {}, kLeft},
    {"Label13", ControlKind::Label, {5520, 240, 1815, 375}, {}, kLarge, {}, kLeft},
    {"Label15", ControlKind::Label, {7440, 240, 855, 375}, {}, kLarge, {}, kRight},
    {"Label11", ControlKind::Label, {8280, 240, 495, 375}, QStringLiteral("才"), kLarge, {}, kLeft},
    {"Label8", ControlKind::Label, {600, 720, 3615, 375},
     QStringLiteral("＜あなたが生まれてから今日で"), kMedium, {}, kLeft},
    {"Label14", ControlKind::Label, {4440, 720, 975, 255}, {}, kLarge, {}, kRight},
    {"Label10", ControlKind::Label, {5520, 720, 1335, 255}, QStringLiteral("日目です＞"), kMedium,
     {}, kLeft},
    {"Image4", ControlKind::Picture, {1800, 1080, 480, 480}, {}, {}, {}, kLeft, Sizing::Fixed, {},
     false, QStringLiteral("ソラニカ")},
    {"Image3", ControlKind::Picture, {6840, 1080, 480, 480}, {}, {}, {}, kLeft, Sizing::Fixed, {},
     false, QStringLiteral("ソラニカ")},
    {"Label9", ControlKind::Label, {2040, 1200, 4935, 375}, {}, {14.25, true, true, true}, {},
     kCentre},
    {"Image2", ControlKind::Picture, {2040, 1560, 4935, 2655}, {}, {},
     QStringLiteral("この画像はあなたの性格をイメージしたものです。")},
    {"Label1", ControlKind::WhiteBoxLabel, {240, 4320, 8415, 3135}, {}, {11.25},
     QStringLiteral("あなたの性格を文章表現したものです。")},
    {"Label3", ControlKind::Label, {240, 7560, 3855, 375}, QStringLiteral("ソラニカVer1．0"),
     kLarge, {}, kCentre},
    {"Label4", ControlKind::Label, {5040, 7560, 1095, 375}, QStringLiteral("鑑定日："), kLarge, {},
     kLeft},
    {"Label5", ControlKind::Label, {6240, 7560, 2655, 375}, {}, kMedium, {}, kLeft},
}};
// clang-format on

const QColor kRuleColour(0x40, 0x40, 0x40);
const std::array<LineSpec, 2> kLines{{
    {"Line1", {120, 120}, {8760, 120}, 2, kRuleColour},
    {"Line2", {120, 1080}, {8760, 1080}, 2, kRuleColour},
}};

} // namespace

Form3::Form3() {
    setObjectName(QStringLiteral("Form3"));
    SetUpFixedWindow(this, QStringLiteral("詳細表示"), false);
    SetClientSize(this, 8910, 7875);
    setFont(MakeFont({12}));
    const auto controls = BuildControls(this, kControls, kLines);
    const auto label = [&](const char* name) {
        return qobject_cast<CaptionLabel*>(controls.value(QString::fromLatin1(name)));
    };
    const auto picture = [&](const char* name) {
        return qobject_cast<QLabel*>(controls.value(QString::fromLatin1(name)));
    };
    Label1 = label("Label1");
    Label3 = label("Label3");
    Label4 = label("Label4");
    Label5 = label("Label5");
    Label6 = label("Label6");
    Label7 = label("Label7");
    Label8 = label("Label8");
    Label9 = label("Label9");
    Label10 = label("Label10");
    Label11 = label("Label11");
    Label12 = label("Label12");
    Label13 = label("Label13");
    Label14 = label("Label14");
    Label15 = label("Label15");
    Image2 = picture("Image2");
    Image3 = picture("Image3");
    Image4 = picture("Image4");
    Line1 = qobject_cast<LineControl*>(controls.value(QStringLiteral("Line1")));
    Line2 = qobject_cast<LineControl*>(controls.value(QStringLiteral("Line2")));
    const QPixmap icon = ProgramIcon().pixmap(32, 32);
    Image3->setPixmap(icon);
    Image4->setPixmap(icon);
}

} // namespace soranika
