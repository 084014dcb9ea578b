#include "Form1.h"

#include "BirthDate.h"
#include "Clock.h"
#include "Desktop.h"
#include "DetailPage.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "FormLayout.h"
#include "HelpText.h"
#include "HistoryCommands.h"
#include "MessageBoxes.h"
#include "Platform.h"
#include "PrintPage.h"
#include "Printing.h"
#include "ProductInfo.h"
#include "ProgramFolder.h"
#include "SingleInstance.h"
#include "SingleLineText.h"
#include "Startup.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

namespace soranika {

namespace {

// The messages of the commands that need a reading first. Each begins with an ASCII space; the
// detail window uses the wording of Print.
const QString kRecordFirst =
    QStringLiteral(" 生年月日を入力後、鑑定のボタンを押してから、記録ボタンを押して下さい。");
const QString kPrintFirst =
    QStringLiteral(" 生年月日を入力後、鑑定のボタンを押してから、印刷ボタンを押して下さい。");

const FontSpec kRegular1125{11.25};
const FontSpec kWindowFont{12};
const FontSpec kBold975{9.75, true};
const FontSpec kItalic975{9.75, false, true};
const FontSpec kButtonLarge{15.75, true, true};
const FontSpec kButtonMedium{14.25, true, true};

constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kTopCentre = Qt::AlignHCenter | Qt::AlignTop;

// The client area is 8025 x 5625 twips. Tab order follows the first twelve rows.
// clang-format off
const std::array<ControlSpec, 25> kControls{{
    {"Combo1(0)", ControlKind::EditableCombo, {120, 360, 855, 345},
     QStringLiteral("西暦|明治|大正|昭和|平成"), kRegular1125,
     QStringLiteral("西暦は100～9999年まで鑑定できます"), kTopLeft, Sizing::Fixed, {}, false,
     QStringLiteral("元号")},
    {"Text1(0)", ControlKind::TextBox, {1080, 360, 735, 360}, {}, kRegular1125,
     QStringLiteral("元号に対応した年を入力して下さい"), kTopLeft, Sizing::Fixed, {}, false,
     QStringLiteral("年")},
    {"Combo1(1)", ControlKind::DropDownList, {2160, 360, 615, 360},
     QStringLiteral("1|2|3|4|5|6|7|8|9|10|11|12"), kWindowFont,
     QStringLiteral("月を入力して下さい"), kTopLeft, Sizing::Fixed, {}, false, QStringLiteral("月")},
    {"Combo1(2)", ControlKind::DropDownList, {3000, 360, 615, 345},
     QStringLiteral("1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20|21|22|23|24|25|26|27|28|"
                    "29|30|31"), kRegular1125,
     QStringLiteral("日を入力して下さい"), kTopLeft, Sizing::Fixed, {}, false, QStringLiteral("日")},
    {"Text4", ControlKind::TextBox, {4080, 360, 2535, 375}, {}, kWindowFont,
     QStringLiteral("お名前")},
    {"Text2", ControlKind::TextBox, {720, 5160, 2295, 375}, {}, kWindowFont,
     QStringLiteral("　続柄などを入力する欄です。使い方は自由です。ここに記載した内容は、"
                    "ファイルに記憶する時に付加されます"),
     kTopLeft, Sizing::Fixed, {}, false, QStringLiteral("メモ欄")},
    {"Command1", ControlKind::Button, {6720, 960, 1215, 615}, QStringLiteral("鑑　定"),
     kButtonLarge, QStringLiteral("生年月日を入力後鑑定ボタンを押して下さい")},
    {"Command5", ControlKind::Button, {6720, 1680, 1215, 615}, QStringLiteral("詳細表示"),
     {11.25, true, true}, QStringLiteral("おもしろ画像が添付されてます　印刷前にご覧下さい")},
    {"btnKioku", ControlKind::Button, {6720, 2400, 1215, 615}, QStringLiteral("記　録"),
     kButtonLarge,
     QStringLiteral("SanRireki.txtへ鑑定内容を記録します。記憶の必要がある時は押してください。")},
    {"Command4", ControlKind::Button, {6720, 3120, 1215, 615}, QStringLiteral("印　刷"),
     kButtonLarge, QStringLiteral("印刷")},
    {"Command3", ControlKind::Button, {6720, 3840, 1215, 615}, QStringLiteral("クリア"),
     kButtonMedium, QStringLiteral("クリア")},
    {"Command2", ControlKind::Button, {6720, 4560, 1215, 615}, QStringLiteral("終　了"),
     kButtonMedium, QStringLiteral("終了")},

    {"Label5", ControlKind::Label, {120, 120, 975, 255}, QStringLiteral("生年月日"), kBold975},
    {"Label3(0)", ControlKind::Label, {1920, 480, 225, 225}, QStringLiteral("年"), kRegular1125,
     {}, kTopLeft, Sizing::ToTextKeepLeft},
    {"Label3(1)", ControlKind::Label, {2760, 480, 225, 225}, QStringLiteral("月"), kRegular1125,
     {}, kTopLeft, Sizing::ToTextKeepLeft},
    {"Label3(2)", ControlKind::Label, {3600, 480, 225, 225}, QStringLiteral("日"), kRegular1125,
     {}, kTopLeft, Sizing::ToTextKeepLeft},
    {"Label1", ControlKind::Label, {4080, 120, 630, 195}, QStringLiteral("お名前"), kBold975,
     {}, kTopLeft, Sizing::ToTextKeepLeft},
    {"Label4", ControlKind::Label, {2715, 840, 1785, 285}, QStringLiteral("あなたの性格"),
     {14.25, true}, {}, kTopCentre, Sizing::ToTextKeepCentre},
    {"Label2", ControlKind::WhiteBoxLabel, {240, 1200, 6375, 3855}, {}, {9}},
    // Drawn over the top of the prose box, in the two empty lines the prose leaves for it. Its
    // designed centre is x = 3487.
    {"Label6", ControlKind::Label, {3420, 1320, 135, 240}, {}, {12, true, true}, {},
     kTopCentre, Sizing::ToTextKeepCentre},
    {"Label7", ControlKind::Label, {0, 5160, 780, 225}, QStringLiteral("メモ欄："),
     {11.25, true}, {}, kTopLeft, Sizing::ToTextKeepLeft},
    {"Label8", ControlKind::Label, {3000, 5280, 3660, 225}, {}, kItalic975,
     QStringLiteral("前回「記録」ボタンを押した鑑定履歴日時のことです")},
    {"Label9", ControlKind::Label, {6480, 5280, 1380, 345}, {}, kItalic975,
     QStringLiteral("前回｢記録」ボタンを押した鑑定履歴件数のことです")},
    {"Image1", ControlKind::Picture, {6960, 120, 855, 735}, {}, {}, {}, kTopLeft, Sizing::Fixed,
     {}, false, QStringLiteral("ソラニカ")},
}};
// clang-format on

// Two engraved rules: a shadow line with a highlight line one pixel below it.
const std::array<LineSpec, 4> kLines{{
    {"Line2", {0, 0}, {8115, 0}, 1, QPalette::Dark},
    {"Line3", {0, 15}, {8115, 15}, 1, QPalette::Light},
    {"Line1", {240, 840}, {6600, 840}, 1, QPalette::Dark},
    {"Line4", {240, 855}, {6600, 855}, 1, QPalette::Light},
}};

template <typename T>
T* Control(const QHash<QString, QWidget*>& controls, const char* name) {
    T* control = qobject_cast<T*>(controls.value(QString::fromLatin1(name)));
    Q_ASSERT(control);
    return control;
}

} // namespace

Form1::Form1(Platform& platform)
    : WindowColour([this] { return colouredForms(); })
    , platform_(platform) {
    setObjectName(QStringLiteral("Form1"));
    SetUpFixedWindow(this, ApplicationTitle, true);
    buildControls();
    buildMenus();
    connectHandlers();
    client_->installEventFilter(this);
}

Form1::~Form1() {
    delete form2_;
    delete form3_;
    delete form4_;
}

void Form1::buildControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Form1Client"));
    client_->setFont(MakeFont(kWindowFont));
    SetClientSize(client_, 8025, 5625);
    SetBackground(client_, ColourFromValue(DefaultWindowColour));
    setCentralWidget(client_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    const auto controls = BuildControls(client_, kControls, kLines);
    Combo1 = {Control<QComboBox>(controls, "Combo1(0)"), Control<QComboBox>(controls, "Combo1(1)"),
              Control<QComboBox>(controls, "Combo1(2)")};
    Text1 = {Control<QLineEdit>(controls, "Text1(0)")};
    Text2 = Control<QLineEdit>(controls, "Text2");
    Text4 = Control<QLineEdit>(controls, "Text4");
    Command1 = Control<QPushButton>(controls, "Command1");
    Command2 = Control<QPushButton>(controls, "Command2");
    Command3 = Control<QPushButton>(controls, "Command3");
    Command4 = Control<QPushButton>(controls, "Command4");
    Command5 = Control<QPushButton>(controls, "Command5");
    btnKioku = Control<QPushButton>(controls, "btnKioku");
    Label1 = Control<CaptionLabel>(controls, "Label1");
    Label2 = Control<CaptionLabel>(controls, "Label2");
    Label3 = {Control<CaptionLabel>(controls, "Label3(0)"),
              Control<CaptionLabel>(controls, "Label3(1)"),
              Control<CaptionLabel>(controls, "Label3(2)")};
    Label4 = Control<CaptionLabel>(controls, "Label4");
    Label5 = Control<CaptionLabel>(controls, "Label5");
    Label6 = Control<CaptionLabel>(controls, "Label6");
    Label7 = Control<CaptionLabel>(controls, "Label7");
    Label8 = Control<CaptionLabel>(controls, "Label8");
    Label9 = Control<CaptionLabel>(controls, "Label9");
    Image1 = Control<QLabel>(controls, "Image1");
    Line1 = Control<LineControl>(controls, "Line1");
    Line2 = Control<LineControl>(controls, "Line2");
    Line3 = Control<LineControl>(controls, "Line3");
    Line4 = Control<LineControl>(controls, "Line4");

    // The name and the memo go into the history file one line each, as the boxes show them.
    for (QLineEdit* box : {Text4, Text2})
        box->setValidator(new SingleLineValidator(box));

    Image1->setPixmap(ProgramIcon().pixmap(32, 32));
    Combo1[0]->setEditText(QStringLiteral("西暦"));

    const QList<QWidget*> tabOrder{Combo1[0], Text1[0], Combo1[1], Combo1[2], Text4,    Text2,
                                   Command1,  Command5, btnKioku,  Command4,  Command3, Command2};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void Form1::buildMenus() {
    const auto entry = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    Mnufile = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    Mnufile->setObjectName(QStringLiteral("Mnufile"));
    Mnu_Rireki = entry(Mnufile, "Mnu_Rireki", QStringLiteral("履歴表示"));
    Mnu_RirekiClea = entry(Mnufile, "Mnu_RirekiClea", QStringLiteral("履歴クリア"));

    Mnu_Option = menuBar()->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    Mnu_Option->setObjectName(QStringLiteral("Mnu_Option"));
    Mnu_iro = entry(Mnu_Option, "Mnu_iro", QStringLiteral("フォーム色を変更"));
    Mnu_ColorMoto = entry(Mnu_Option, "Mnu_ColorMoto", QStringLiteral("フォーム色を元に戻す"));
    Mnu_nen = entry(Mnu_Option, "Mnu_nen", QStringLiteral("年令非表示"));
    Mnu_nen->setCheckable(true);

    Mnu_help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    Mnu_help->setObjectName(QStringLiteral("Mnu_help"));
    Mnu_setumei = entry(Mnu_help, "Mnu_setumei", QStringLiteral("説明"));
    mnu_ver = entry(Mnu_help, "mnu_ver", QStringLiteral("ﾊﾞｰｼﾞｮﾝ"));
}

void Form1::connectHandlers() {
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(btnKioku, &QPushButton::clicked, this, &Form1::btnKioku_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Mnu_Rireki, &QAction::triggered, this, &Form1::Mnu_Rireki_Click);
    connect(Mnu_RirekiClea, &QAction::triggered, this, &Form1::Mnu_RirekiClea_Click);
    connect(Mnu_iro, &QAction::triggered, this, &Form1::Mnu_iro_Click);
    connect(Mnu_ColorMoto, &QAction::triggered, this, &Form1::Mnu_ColorMoto_Click);
    connect(Mnu_nen, &QAction::triggered, this, &Form1::Mnu_nen_Click);
    connect(Mnu_setumei, &QAction::triggered, this, &Form1::Mnu_setumei_Click);
    connect(mnu_ver, &QAction::triggered, this, &Form1::mnu_ver_Click);
}

bool Form1::Form_Load() {
    if (!platform_.instance.claim()) {
        platform_.messages.show(nullptr,
                                {QStringLiteral("既に起動されています"), ApplicationTitle});
        return false;
    }
    platform_.folder.makeWorkingFolder();
    const StartupView view = ReadStartupSettings(platform_.settings);
    WindowColour.apply(view.windowColour);
    Label8->setCaption(view.dateLabel);
    Label9->setCaption(view.countLabel);
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
        refuse(RefusalMessage.toString());
        return;
    }
    Label2->setCaption(CurrentReading.TypeText + QStringLiteral("\r\r"));
    Label6->setCaption(CurrentReading.TypeTitle);
}

void Form1::Command5_Click() {
    if (!readingPresent()) {
        refuse(kPrintFirst);
        return;
    }
    // A missing picture leaves the picture box empty; the window opens with all its texts.
    データセット();
    bringUp(form3());
}

void Form1::btnKioku_Click() {
    if (!readingPresent()) {
        refuse(kRecordFirst);
        return;
    }
    const auto status =
        RecordReading(CurrentReading, Text4->text(), Text2->text(), platform_, this);
    if (!status)
        return;
    Label8->setCaption(status->dateLabel);
    Label9->setCaption(status->countLabel);
}

void Form1::Command4_Click() {
    if (!readingPresent()) {
        refuse(kPrintFirst);
        return;
    }
    const std::unique_ptr<QPrinter> printer = platform_.printing.choosePrinter(this);
    if (!printer)
        return;
    const auto warn = [this](const QString& text) {
        platform_.messages.show(this,
                                {QStringLiteral("印刷できませんでした。\n\n") + text,
                                 ApplicationTitle, Message::Buttons::Ok, Message::Icon::Warning});
    };
    if (const auto problem = データセット()) {
        warn(QStringLiteral("この性格の画像を読み込めません。\n") + *problem);
        return;
    }
    if (const auto problem = PrintWindowPage(*form3(), *printer)) {
        warn(*problem);
        return;
    }
    Combo1[0]->setFocus();
}

std::optional<QString> Form1::データセット() {
    const DetailPage page =
        MakeDetailPage(CurrentReading, Text4->text(), ageHidden(), platform_.clock.now());
    return FillDetailWindow(*form3(), page, WindowColour.colour(), platform_.folder.path());
}

void Form1::Mnu_Rireki_Click() {
    ViewHistory(platform_, this);
}

void Form1::Mnu_RirekiClea_Click() {
    ClearHistory(platform_, this, [this](const StatusTexts& status) {
        Label8->setCaption(status.dateLabel);
        Label9->setCaption(status.countLabel);
    });
}

void Form1::Mnu_setumei_Click() {
    Form2* help = form2();
    SetBackground(help, WindowColour.colour());
    const auto text = ReadHelpText(platform_.folder.filePath(HelpFileName));
    if (!text) {
        // An open window keeps the text it had.
        platform_.messages.show(this,
                                {QStringLiteral("readme.txtがありません。"), ApplicationTitle});
        return;
    }
    help->Text1->setPlainText(*text);
    bringUp(help);
}

void Form1::mnu_ver_Click() {
    Form4* about = form4();
    SetBackground(about, WindowColour.colour());
    bringUp(about);
}

void Form1::Label5_Click() {
    platform_.addresses.openAddress(form4()->Label5->caption());
}

void Form1::Command3_Click() {
    Combo1[0]->setEditText(QStringLiteral("西暦"));
    Text1[0]->clear();
    Combo1[1]->setCurrentIndex(-1);
    Combo1[2]->setCurrentIndex(-1);
    Text4->clear();
    Label2->setCaption({});
    Label6->setCaption({});
    Text2->clear();
    Combo1[0]->setFocus();
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
        connect(about->Label5, &CaptionLabel::clicked, this, &Form1::Label5_Click);
    return about;
}

QList<QWidget*> Form1::colouredForms() {
    // Only the windows that exist; one made later takes the colour when it is made.
    QList<QWidget*> forms{client_};
    for (QWidget* form : std::initializer_list<QWidget*>{form2_, form3_, form4_}) {
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

void Form1::bringUp(QWidget* window) {
    // A window opens in the middle of the screen; one that is open stays where the user put it
    // and comes to the front. It is never modal.
    if (!window->isVisible())
        CentreOnScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
}

void Form1::refuse(const QString& text) {
    platform_.messages.show(this, {text, ApplicationTitle});
    Combo1[0]->setFocus();
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
    // Closing is never refused.
}

void Form1::Form_Unload() {
    // The other windows go first, shown or hidden; nothing is saved.
    for (QWidget* form : std::initializer_list<QWidget*>{form2_, form3_, form4_}) {
        if (form)
            form->close();
    }
}

} // namespace soranika
