#include "Form3.h"

#include "DetailPage.h"
#include "FormSetup.h"
#include "MessageBoxes.h"
#include "RegularFile.h"
#include "WindowSetup.h"

#include <QBuffer>
#include <QDir>
#include <QIcon>
#include <QImageReader>

#include <array>

namespace soranika {

namespace {

const FontSpec kLarge{.points = 14.25, .bold = true, .italic = true};
const FontSpec kMedium{.points = 12, .bold = true, .italic = true};
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTop;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignTop;

// clang-format off
const std::array<ControlSpec, 17> kControls{{
    {.name = "Label6", .kind = ControlKind::Label, .rect = {360, 240, 1095, 375},
     .text = QStringLiteral("お名前"), .font = kLarge, .alignment = kLeft, .labelFor = "Label12"},
    {.name = "Label12", .kind = ControlKind::Label, .rect = {1560, 240, 2535, 375},
     .font = kLarge, .alignment = kLeft, .sizing = Sizing::CondenseToFit},
    {.name = "Label7", .kind = ControlKind::Label, .rect = {4200, 240, 1455, 375},
     .text = QStringLiteral("生年月日"), .font = kLarge, .alignment = kLeft, .labelFor = "Label13"},
    {.name = "Label13", .kind = ControlKind::Label, .rect = {5520, 240, 1815, 375},
     .font = kLarge, .alignment = kLeft, .sizing = Sizing::CondenseToFit},
    {.name = "Label15", .kind = ControlKind::Label, .rect = {7440, 240, 855, 375},
     .font = kLarge, .alignment = kRight, .sizing = Sizing::CondenseToFit},
    {.name = "Label11", .kind = ControlKind::Label, .rect = {8280, 240, 495, 375},
     .text = QStringLiteral("才"), .font = kLarge, .alignment = kLeft},
    {.name = "Label8", .kind = ControlKind::Label, .rect = {600, 720, 3615, 375},
     .text = QStringLiteral("＜あなたが生まれてから今日で"), .font = kMedium, .alignment = kLeft},
    {.name = "Label14", .kind = ControlKind::Label, .rect = {4440, 720, 975, 255},
     .font = kLarge, .alignment = kRight, .sizing = Sizing::CondenseToFit},
    {.name = "Label10", .kind = ControlKind::Label, .rect = {5520, 720, 1335, 255},
     .text = QStringLiteral("日目です＞"), .font = kMedium, .alignment = kLeft},
    {.name = "Image4", .kind = ControlKind::ProgramIcon, .rect = {1800, 1080, 480, 480},
     .accessibleName = QStringLiteral("ソラニカ")},
    {.name = "Image3", .kind = ControlKind::ProgramIcon, .rect = {6840, 1080, 480, 480},
     .accessibleName = QStringLiteral("ソラニカ")},
    {.name = "Label9", .kind = ControlKind::Label, .rect = {2040, 1200, 4935, 375},
     .font = {.points = 14.25, .bold = true, .italic = true, .underline = true},
     .alignment = kCentre},
    {.name = "Image2", .kind = ControlKind::Picture, .rect = {2040, 1560, 4935, 2655},
     .tooltip = QStringLiteral("この画像はあなたの性格をイメージしたものです。")},
    {.name = "Label1", .kind = ControlKind::WhiteBoxLabel, .rect = {240, 4320, 8415, 3135},
     .font = {.points = 11.25}, .tooltip = QStringLiteral("あなたの性格を文章表現したものです。")},
    {.name = "Label3", .kind = ControlKind::Label, .rect = {240, 7560, 3855, 375},
     .text = QStringLiteral("ソラニカVer1．0"), .font = kLarge, .alignment = kCentre},
    {.name = "Label4", .kind = ControlKind::Label, .rect = {5040, 7560, 1095, 375},
     .text = QStringLiteral("鑑定日："), .font = kLarge, .alignment = kLeft,
     .sizing = Sizing::CondenseToFit},
    {.name = "Label5", .kind = ControlKind::Label, .rect = {6240, 7560, 2655, 375},
     .font = kMedium, .alignment = kLeft, .sizing = Sizing::CondenseToFit},
}};
// clang-format on

const QColor kRuleColour(0x40, 0x40, 0x40);
const std::array<LineSpec, 2> kLines{{
    {.name = "Line1",
     .from = {120, 120},
     .to = {8760, 120},
     .widthPixels = 2,
     .colour = kRuleColour},
    {.name = "Line2",
     .from = {120, 1080},
     .to = {8760, 1080},
     .widthPixels = 2,
     .colour = kRuleColour},
}};

const FormDesign kForm{.name = "Form3",
                       .title = QStringLiteral("詳細表示"),
                       .kind = WindowKind::Secondary,
                       .widthTwips = 8910,
                       .heightTwips = 7875,
                       .font = {.points = 12},
                       .controls = kControls,
                       .lines = kLines};

} // namespace

Form3::Form3() {
    const BuiltControls controls = SetUpForm(this, kForm);
    Label1 = controls.get<CaptionLabel>("Label1");
    Label5 = controls.get<CaptionLabel>("Label5");
    Label9 = controls.get<CaptionLabel>("Label9");
    Label12 = controls.get<CaptionLabel>("Label12");
    Label13 = controls.get<CaptionLabel>("Label13");
    Label14 = controls.get<CaptionLabel>("Label14");
    Label15 = controls.get<CaptionLabel>("Label15");
    Image2 = controls.get<QLabel>("Image2");
    // Nothing here takes typing, yet every text can be reached by Tab and read by a screen
    // reader, in the order the page is read: name, birth date, age, days, title, prose, date.
    const std::array<QWidget*, 7> readingOrder{Label12, Label13, Label15, Label14,
                                               Label9,  Label1,  Label5};
    for (QWidget* text : readingOrder)
        text->setFocusPolicy(Qt::TabFocus);
    SetTabOrder(readingOrder);
}

Result<> Form3::fill(const DetailPage& page) {
    SetBackground(this, page.background);
    Label1->setCaption(page.prose);
    Label12->setCaption(page.name);
    Label13->setCaption(page.birthDate);
    Label14->setCaption(page.days);
    Label15->setCaption(page.age);
    Label5->setCaption(page.shownAt);
    Label9->setCaption(page.title);
    // Read in words where the page abbreviates: 「S60/5/12」 is 昭和60年5月12日.
    Label13->setAccessibleName(page.spokenBirthDate);
    Label15->setAccessibleName(page.age + QStringLiteral("才"));
    Label14->setAccessibleName(QStringLiteral("あなたが生まれてから今日で") + page.days +
                               QStringLiteral("日目です"));
    Label5->setAccessibleName(QStringLiteral("鑑定日：") + page.shownAt);

    const QString path = QDir(page.pictureFolder).filePath(TypePictureFileName(page.typeIndex));
    const auto unreadable = [&](const QString& reason) {
        Image2->clear();
        return Failure{ProblemText(QStringLiteral("この性格の画像を読み込めません。"),
                                   QDir::toNativeSeparators(path), reason)};
    };
    // Only a regular file, and only so much of it: a pipe or a device in its place must not hold
    // the window up.
    Result<QByteArray> content = ReadRegularFile(path, LargestPictureFileSize);
    if (content.failed())
        return unreadable(content.reason());
    QBuffer buffer(&content.value());
    buffer.open(QIODevice::ReadOnly);
    // Read by content, whatever the extension says.
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        return unreadable(reader.errorString());
    Image2->setPixmap(QPixmap::fromImage(picture));
    return {};
}

} // namespace soranika
