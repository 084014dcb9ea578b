#include "Form1.h"

#include "Accessibility.h"
#include "BirthDate.h"
#include "Clock.h"
#include "Desktop.h"
#include "DetailPage.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "FormSetup.h"
#include "HelpCommand.h"
#include "HistoryCommands.h"
#include "HistoryWindow.h"
#include "MessageBoxes.h"
#include "Platform.h"
#include "PrintCommand.h"
#include "ProgramFolder.h"
#include "ShowHistory.h"
#include "SingleInstance.h"
#include "SingleLineText.h"
#include "Startup.h"
#include "StatusLine.h"
#include "StatusTexts.h"
#include "WindowSetup.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <array>

namespace soranika {

namespace {

// The messages of the commands that need a reading first. Each begins with an ASCII space; the
// detail window uses the wording of Print.
const QString kRecordFirst =
    QStringLiteral(" 生年月日を入力後、鑑定のボタンを押してから、記録ボタンを押して下さい。");
const QString kPrintFirst =
    QStringLiteral(" 生年月日を入力後、鑑定のボタンを押してから、印刷ボタンを押して下さい。");

const FontSpec kRegular1125{.points = 11.25};
const FontSpec kWindowFont{.points = 12};
const FontSpec kBold975{.points = 9.75, .bold = true};
const FontSpec kItalic975{.points = 9.75, .italic = true};
const FontSpec kButtonLarge{.points = 15.75, .bold = true, .italic = true};
const FontSpec kButtonMedium{.points = 14.25, .bold = true, .italic = true};

constexpr Qt::Alignment kTopCentre = Qt::AlignHCenter | Qt::AlignTop;

// The status labels as designed; showStatus() gives them the room their texts need.
constexpr TwipRect kLabel8Box{3000, 5280, 3660, 225};
constexpr TwipRect kLabel9Box{6480, 5280, 1380, 345};

// Tab order follows the first twelve rows.
// clang-format off
const std::array<ControlSpec, 26> kControls{{
    {.name = "Combo1(0)", .kind = ControlKind::EditableCombo, .rect = {120, 360, 855, 345},
     .text = QStringLiteral("西暦|明治|大正|昭和|平成|令和"), .font = kRegular1125,
     .tooltip = QStringLiteral("西暦は100～9999年まで鑑定できます"),
     .accessibleName = QStringLiteral("元号")},
    {.name = "Text1(0)", .kind = ControlKind::LatinTextBox, .rect = {1080, 360, 735, 360},
     .font = kRegular1125, .tooltip = QStringLiteral("元号に対応した年を入力して下さい"),
     .accessibleName = QStringLiteral("年")},
    {.name = "Combo1(1)", .kind = ControlKind::DropDownList, .rect = {2160, 360, 615, 360},
     .text = QStringLiteral("1|2|3|4|5|6|7|8|9|10|11|12"), .font = kWindowFont,
     .tooltip = QStringLiteral("月を入力して下さい"), .accessibleName = QStringLiteral("月")},
    {.name = "Combo1(2)", .kind = ControlKind::DropDownList, .rect = {3000, 360, 615, 345},
     .text = QStringLiteral("1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20|21|22|23|24|"
                            "25|26|27|28|29|30|31"),
     .font = kRegular1125, .tooltip = QStringLiteral("日を入力して下さい"),
     .accessibleName = QStringLiteral("日")},
    {.name = "Text4", .kind = ControlKind::TextBox, .rect = {4080, 360, 2535, 375},
     .font = kWindowFont, .tooltip = QStringLiteral("お名前")},
    {.name = "Text2", .kind = ControlKind::TextBox, .rect = {720, 5160, 2295, 375},
     .font = kWindowFont,
     .tooltip = QStringLiteral("　続柄などを入力する欄です。使い方は自由です。ここに記載した内容は、"
                               "ファイルに記憶する時に付加されます"),
     .accessibleName = QStringLiteral("メモ欄")},
    {.name = "Command1", .kind = ControlKind::Button, .rect = {6720, 960, 1215, 615},
     .text = QStringLiteral("鑑　定"), .font = kButtonLarge,
     .tooltip = QStringLiteral("生年月日を入力後鑑定ボタンを押して下さい")},
    {.name = "Command5", .kind = ControlKind::Button, .rect = {6720, 1680, 1215, 615},
     .text = QStringLiteral("詳細表示"), .font = {.points = 11.25, .bold = true, .italic = true},
     .tooltip = QStringLiteral("おもしろ画像が添付されてます　印刷前にご覧下さい")},
    {.name = "btnKioku", .kind = ControlKind::Button, .rect = {6720, 2400, 1215, 615},
     .text = QStringLiteral("記　録"), .font = kButtonLarge,
     .tooltip = QStringLiteral("SanRireki.txtへ鑑定内容を記録します。記憶の必要がある時は押して"
                               "ください。")},
    {.name = "Command4", .kind = ControlKind::Button, .rect = {6720, 3120, 1215, 615},
     .text = QStringLiteral("印　刷"), .font = kButtonLarge, .tooltip = QStringLiteral("印刷")},
    {.name = "Command3", .kind = ControlKind::Button, .rect = {6720, 3840, 1215, 615},
     .text = QStringLiteral("クリア"), .font = kButtonMedium, .tooltip = QStringLiteral("クリア")},
    {.name = "Command2", .kind = ControlKind::Button, .rect = {6720, 4560, 1215, 615},
     .text = QStringLiteral("終　了"), .font = kButtonMedium, .tooltip = QStringLiteral("終了")},

    {.name = "Label5", .kind = ControlKind::Label, .rect = {120, 120, 975, 255},
     .text = QStringLiteral("生年月日"), .font = kBold975},
    {.name = "Label3(0)", .kind = ControlKind::Label, .rect = {1920, 480, 225, 225},
     .text = QStringLiteral("年"), .font = kRegular1125, .sizing = Sizing::ToTextKeepLeft,
     .labelFor = "Text1(0)"},
    {.name = "Label3(1)", .kind = ControlKind::Label, .rect = {2760, 480, 225, 225},
     .text = QStringLiteral("月"), .font = kRegular1125, .sizing = Sizing::ToTextKeepLeft,
     .labelFor = "Combo1(1)"},
    {.name = "Label3(2)", .kind = ControlKind::Label, .rect = {3600, 480, 225, 225},
     .text = QStringLiteral("日"), .font = kRegular1125, .sizing = Sizing::ToTextKeepLeft,
     .labelFor = "Combo1(2)"},
    // The era box has no label on the window; a screen reader gets one that is never shown.
    {.name = "EraName", .kind = ControlKind::UnseenLabel, .rect = {},
     .text = QStringLiteral("元号"), .labelFor = "Combo1(0)"},
    {.name = "Label1", .kind = ControlKind::Label, .rect = {4080, 120, 630, 195},
     .text = QStringLiteral("お名前"), .font = kBold975, .sizing = Sizing::ToTextKeepLeft},
    {.name = "Label4", .kind = ControlKind::Label, .rect = {2715, 840, 1785, 285},
     .text = QStringLiteral("あなたの性格"), .font = {.points = 14.25, .bold = true},
     .alignment = kTopCentre, .sizing = Sizing::ToTextKeepCentre},
    {.name = "Label2", .kind = ControlKind::WhiteBoxLabel, .rect = {240, 1200, 6375, 3855},
     .font = {.points = 9}},
    // Drawn over the top of the prose box, in the two empty lines the prose leaves for it. Its
    // designed centre is x = 3487.
    {.name = "Label6", .kind = ControlKind::Label, .rect = {3420, 1320, 135, 240},
     .font = {.points = 12, .bold = true, .italic = true}, .alignment = kTopCentre,
     .sizing = Sizing::ToTextKeepCentre},
    {.name = "Label7", .kind = ControlKind::Label, .rect = {0, 5160, 780, 225},
     .text = QStringLiteral("メモ欄："), .font = {.points = 11.25, .bold = true},
     .sizing = Sizing::ToTextKeepLeft},
    {.name = "Label8", .kind = ControlKind::Label, .rect = kLabel8Box,
     .font = kItalic975, .tooltip = QStringLiteral("前回「記録」ボタンを押した鑑定履歴日時のことです"),
     .sizing = Sizing::CondenseToFit},
    {.name = "Label9", .kind = ControlKind::Label, .rect = kLabel9Box,
     .font = kItalic975, .tooltip = QStringLiteral("前回｢記録」ボタンを押した鑑定履歴件数のことです")},
    {.name = "Image1", .kind = ControlKind::ProgramIcon, .rect = {6960, 120, 855, 735},
     .accessibleName = QStringLiteral("ソラニカ")},
}};
// clang-format on

// Two engraved rules: a shadow line with a highlight line one pixel below it.
const std::array<LineSpec, 4> kLines{{
    {.name = "Line2", .from = {0, 0}, .to = {8115, 0}, .colour = QPalette::Dark},
    {.name = "Line3", .from = {0, 15}, .to = {8115, 15}, .colour = QPalette::Light},
    {.name = "Line1", .from = {240, 840}, .to = {6600, 840}, .colour = QPalette::Dark},
    {.name = "Line4", .from = {240, 855}, .to = {6600, 855}, .colour = QPalette::Light},
}};

const FormDesign kForm{.name = "Form1",
                       .title = ApplicationTitle,
                       .kind = WindowKind::Main,
                       .widthTwips = Form1::ClientWidthTwips,
                       .heightTwips = Form1::ClientHeightTwips,
                       .font = kWindowFont,
                       .controls = kControls,
                       .lines = kLines,
                       .background = ColourFromValue(DefaultWindowColour)};

} // namespace

std::span<const ControlSpec> Form1::controlTable() {
    return kControls;
}

Form1::Form1(Platform& platform)
    : WindowColour([this] { return colouredForms(); })
    , platform_(platform) {
    buildControls();
    buildMenus();
    client_->installEventFilter(this);
}

Form1::~Form1() {
    delete form2_;
    delete form3_;
    delete form4_;
    delete history_;
}

void Form1::buildControls() {
    const BuiltControls controls = SetUpForm(this, kForm);
    client_ = controls.form();
    Combo1 = {controls.get<QComboBox>("Combo1(0)"), controls.get<QComboBox>("Combo1(1)"),
              controls.get<QComboBox>("Combo1(2)")};
    Text1 = {controls.get<QLineEdit>("Text1(0)")};
    Text2 = controls.get<QLineEdit>("Text2");
    Text4 = controls.get<QLineEdit>("Text4");
    Label2 = controls.get<CaptionLabel>("Label2");
    Label6 = controls.get<CaptionLabel>("Label6");
    Label8 = controls.get<CaptionLabel>("Label8");
    Label9 = controls.get<CaptionLabel>("Label9");
    Combo1[0]->setEditText(QStringLiteral("西暦"));
    // The name and the memo go into the history file one line each, as the boxes show them.
    for (QLineEdit* box : {Text4, Text2})
        box->setValidator(new SingleLineValidator(box));

    const auto button = [&](const char* name, void (Form1::*handler)()) {
        auto* pressed = controls.get<QPushButton>(name);
        connect(pressed, &QPushButton::clicked, this, handler);
        return pressed;
    };
    Command1 = controls.get<QPushButton>("Command1");
    btnKioku = controls.get<QPushButton>("btnKioku");
    // Qt leaves a control that takes no focus out of the order it is given: the title and the
    // prose are put in as focus stops, and wait without focus for a reading.
    showReadingToKeyboard(true);
    const auto tabOrder = std::to_array<QWidget*>({
        Combo1[0],
        Text1[0],
        Combo1[1],
        Combo1[2],
        Text4,
        Text2,
        button("Command1", &Form1::Command1_Click),
        button("Command5", &Form1::Command5_Click),
        button("btnKioku", &Form1::btnKioku_Click),
        button("Command4", &Form1::Command4_Click),
        button("Command3", &Form1::Command3_Click),
        button("Command2", &Form1::Command2_Click),
        // After the designed twelve: the reading's title and prose, read-only stops that take
        // the focus while a reading is shown, so that it can be heard again.
        Label6,
        Label2,
    });
    SetTabOrder(tabOrder);
    showReadingToKeyboard(false);
}

void Form1::buildMenus() {
    // Screen readers read each entry by a name of its own: the half-width kana captions as
    // words in full-width kana, without the access key in brackets.
    const auto menu = [this](const char* name, const QString& caption, const QString& spoken) {
        QMenu* added = menuBar()->addMenu(caption);
        added->setObjectName(QString::fromLatin1(name));
        SetSpokenMenuName(added->menuAction(), spoken);
        return added;
    };
    const auto entry = [this](QMenu* in, const char* name, const QString& caption,
                              void (Form1::*handler)(), const QString& spoken = {}) {
        QAction* action = in->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        SetSpokenMenuName(action, spoken.isEmpty() ? caption : spoken);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* Mnufile = menu("Mnufile", QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("ファイル"));
    entry(Mnufile, "Mnu_Rireki", QStringLiteral("履歴表示"), &Form1::Mnu_Rireki_Click);
    entry(Mnufile, "Mnu_RirekiClea", QStringLiteral("履歴クリア"), &Form1::Mnu_RirekiClea_Click);

    QMenu* Mnu_Option =
        menu("Mnu_Option", QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"), QStringLiteral("オプション"));
    entry(Mnu_Option, "Mnu_iro", QStringLiteral("フォーム色を変更"), &Form1::Mnu_iro_Click);
    entry(Mnu_Option, "Mnu_ColorMoto", QStringLiteral("フォーム色を元に戻す"),
          &Form1::Mnu_ColorMoto_Click);
    Mnu_nen = entry(Mnu_Option, "Mnu_nen", QStringLiteral("年令非表示"), &Form1::Mnu_nen_Click);
    Mnu_nen->setCheckable(true);

    QMenu* Mnu_help = menu("Mnu_help", QStringLiteral("ヘルプ(&H)"), QStringLiteral("ヘルプ"));
    entry(Mnu_help, "Mnu_setumei", QStringLiteral("説明"), &Form1::Mnu_setumei_Click);
    entry(Mnu_help, "mnu_ver", QStringLiteral("ﾊﾞｰｼﾞｮﾝ"), &Form1::mnu_ver_Click,
          QStringLiteral("バージョン"));
}

bool Form1::Form_Load() {
    if (!platform_.instance.claim()) {
        platform_.messages.show(nullptr, {.text = QStringLiteral("既に起動されています")});
        return false;
    }
    const StartupView view = StartProgram(platform_);
    WindowColour.apply(view.windowColour);
    showStatus(view.status);
    adjustSize();
    CentreOnScreen(this);
    Combo1[0]->setFocus();
    return true;
}

void Form1::Command1_Click() {
    const Appraisal appraisal =
        AppraiseBirthDate(Combo1[0]->currentText(), Text1[0]->text(), Combo1[1]->currentText(),
                          Combo1[2]->currentText(), platform_.clock.today());
    if (!KeepAppraisal(CurrentReading, appraisal)) {
        platform_.messages.show(this, {.text = RefusalMessage.toString()});
        Combo1[0]->setFocus();
        return;
    }
    Label2->setCaption(CurrentReading.TypeText + QStringLiteral("\r\r"));
    Label6->setCaption(CurrentReading.TypeTitle);
    showReadingToKeyboard(true);
    SayToScreenReader(Command1, CurrentReading.TypeTitle + u'\n' + CurrentReading.TypeText);
}

void Form1::Command5_Click() {
    if (!requireReading(kPrintFirst))
        return;
    // A missing picture leaves the picture box empty; the window opens with all its texts.
    (void)データセット();
    bringUp(form3());
}

void Form1::btnKioku_Click() {
    if (!requireReading(kRecordFirst))
        return;
    if (const auto status =
            RecordReading(CurrentReading, Text4->text(), Text2->text(), platform_, this)) {
        showStatus(*status);
        SayToScreenReader(btnKioku, status->countLabel);
    }
}

void Form1::Command4_Click() {
    if (!requireReading(kPrintFirst))
        return;
    const FillDetailPage fill = [this] {
        return データセット();
    };
    if (PrintReading(*form3(), fill, PrintJobName(CurrentReading.TypeTitle), platform_, this))
        Combo1[0]->setFocus();
}

Result<> Form1::データセット() {
    DetailPage page =
        MakeDetailPage(CurrentReading, Text4->text(), ageHidden(), platform_.clock.now());
    page.background = WindowColour.colour();
    page.pictureFolder = platform_.folder.path();
    return form3()->fill(page);
}

void Form1::Mnu_Rireki_Click() {
    ShowHistory(platform_, this, [this] { return historyWindow(); }, WindowColour.colour());
}

void Form1::Mnu_RirekiClea_Click() {
    ClearHistory(platform_, this, [this](const StatusTexts& status) { showStatus(status); });
}

void Form1::Mnu_setumei_Click() {
    Form2* help = form2();
    if (ShowHelp(*help, WindowColour.colour(), platform_, this))
        bringUp(help);
}

void Form1::mnu_ver_Click() {
    Form4* about = form4();
    SetBackground(about, WindowColour.colour());
    bringUp(about);
}

void Form1::openHomePage() {
    platform_.addresses.openAddress(form4()->homePageAddress());
}

void Form1::Command3_Click() {
    Combo1[0]->setEditText(QStringLiteral("西暦"));
    Text1[0]->clear();
    Combo1[1]->setCurrentIndex(-1);
    Combo1[2]->setCurrentIndex(-1);
    Text4->clear();
    Label2->setCaption({});
    Label6->setCaption({});
    showReadingToKeyboard(false);
    Text2->clear();
    Combo1[0]->setFocus();
}

void Form1::showReadingToKeyboard(bool shown) {
    for (QLabel* label : {Label6, Label2})
        label->setFocusPolicy(shown ? Qt::TabFocus : Qt::NoFocus);
}

void Form1::Command2_Click() {
    close();
}

void Form1::Mnu_iro_Click() {
    ChangeWindowColour(WindowColour, platform_, this);
}

void Form1::Mnu_ColorMoto_Click() {
    RestoreDefaultColour(WindowColour, platform_, this);
}

void Form1::Mnu_nen_Click() {
    // The checkable entry has already reversed its own mark; the detail window and the printout
    // read it when they are filled. Nothing is stored.
}

// A window the user closed is gone; the next command that needs it makes it again, hidden, with
// its designed content and the window colour.
template <typename Form>
Form* Form1::secondaryWindow(QPointer<Form>& form) {
    if (!form) {
        form = new Form;
        form->setAttribute(Qt::WA_DeleteOnClose);
        SetBackground(form, WindowColour.colour());
    }
    return form;
}

Form2* Form1::form2() {
    return secondaryWindow(form2_);
}

Form3* Form1::form3() {
    return secondaryWindow(form3_);
}

Form4* Form1::form4() {
    const bool made = !form4_;
    Form4* about = secondaryWindow(form4_);
    if (made)
        connect(about, &Form4::homePageClicked, this, &Form1::openHomePage);
    return about;
}

HistoryWindow* Form1::historyWindow() {
    const bool made = !history_;
    HistoryWindow* window = secondaryWindow(history_);
    if (made)
        connect(window, &HistoryWindow::openRequested, this,
                [this] { OpenHistoryInTextEditor(platform_, this); });
    return window;
}

QList<QWidget*> Form1::colouredForms() {
    // Only the windows that exist; one made later takes the colour when it is made.
    QList<QWidget*> forms{client_};
    for (QWidget* form : std::initializer_list<QWidget*>{form2_, form3_, form4_, history_}) {
        if (form)
            forms.append(form);
    }
    return forms;
}

bool Form1::readingPresent() const {
    return !Label2->caption().isEmpty();
}

bool Form1::ageHidden() const {
    return Mnu_nen->isChecked();
}

bool Form1::requireReading(const QString& refusal) {
    if (readingPresent())
        return true;
    platform_.messages.show(this, {.text = refusal});
    Combo1[0]->setFocus();
    return false;
}

void Form1::showStatus(const StatusTexts& status) {
    Label9->setCaption(status.countLabel);
    // Both texts whole and apart, whatever their length: the date narrows to its room.
    const StatusLineLayout layout =
        LayOutStatusLine(kLabel8Box.toPixels(), kLabel9Box.toPixels(),
                         InkWidth(Label9->font(), Label9->text()), client_->width());
    Label9->setGeometry(layout.countBox);
    Label8->setCaption(status.dateLabel, layout.dateBox);
}

void Form1::bringUp(QWidget* window) {
    BringUp(window, this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Paint && !secondaryWindowsMade_) {
        // The secondary windows are made hidden, in the window colour, as soon as the main window
        // has first been drawn: before any command can reach them, without holding it up.
        secondaryWindowsMade_ = true;
        QTimer::singleShot(0, this, [this] {
            form2();
            form3();
            form4();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    Form_Unload();
    event->accept();
}

void Form1::Form_QueryUnload() {
    // Closing is never refused: there is nothing unsaved to ask about.
}

void Form1::Form_Unload() {
    // The other windows go first, shown or hidden; nothing is saved.
    for (QWidget* form : std::initializer_list<QWidget*>{form2_, form3_, form4_, history_}) {
        if (form)
            form->close();
    }
}

} // namespace soranika
