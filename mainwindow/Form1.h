#pragma once

#include "Reading.h"
#include "Result.h"
#include "WindowColour.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <optional>
#include <span>

class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace soranika {

class CaptionLabel;
class Form2;
class Form3;
class Form4;
class HistoryWindow;
struct ControlSpec;
struct Platform;
struct StatusTexts;

// The main window: the date, name and memo boxes, the six command buttons, the menu bar and the
// two result labels. It owns the program-wide state (the current reading, the window colour and
// the age switch) and the secondary windows. It is wiring: each handler hands its work to a
// command of the subsystem that owns it. Tests find the controls by their designer names and
// press them as a user would.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(Platform& platform);
    ~Form1() override;

    // The client area below the menu bar, and the controls on it. The test harness reads them
    // to find a control by its name, so that no script carries a position of its own.
    static constexpr int ClientWidthTwips = 8025;
    static constexpr int ClientHeightTwips = 5625;
    static std::span<const ControlSpec> controlTable();

    // Start-up before the window is first shown. Returns false when another copy of the program
    // runs: the user has been told and this copy must end.
    bool Form_Load();

    // Fills the detail window from the current reading, the name box, the age switch, the window
    // colour and the clock, without showing it. Fails when the type's picture could not be
    // loaded; the texts are filled all the same.
    Result<> データセット();

    // A secondary window, made (hidden) when it does not exist yet or was closed by the user.
    Form2* form2();
    Form3* form3();
    Form4* form4();
    HistoryWindow* historyWindow();
    // The client areas of the windows that exist, in the order the colour is given to them.
    QList<QWidget*> colouredForms();

    // The last appraisal; its title and prose are on show while readingPresent().
    const Reading& currentReading() const { return CurrentReading; }
    const soranika::WindowColour& windowColour() const { return WindowColour; }
    // A reading is present while the prose label shows one.
    bool readingPresent() const;
    // Whether "年令非表示" carries its check mark.
    bool ageHidden() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The handlers, one for each button and menu entry, named after the controls that call them.
    void Command1_Click(); // 鑑　定: appraise the entry
    void Command5_Click(); // 詳細表示: show the reading in the detail window
    void btnKioku_Click(); // 記　録: append the reading to the history file
    void Command4_Click(); // 印　刷: print the detail page
    void Command3_Click(); // クリア: empty the entry and the result
    void Command2_Click(); // 終　了: close the program
    // The menu entries: ﾌｧｲﾙ > 履歴表示 shows the history file, 履歴クリア empties it and the
    // count; ｵﾌﾟｼｮﾝ > フォーム色を変更 picks the colour of every window, フォーム色を元に戻す goes
    // back to the pale pink, 年令非表示 leaves the age off the detail page; ヘルプ > 説明 is the
    // explanation window, ﾊﾞｰｼﾞｮﾝ the about window.
    void Mnu_Rireki_Click();
    void Mnu_RirekiClea_Click();
    void Mnu_iro_Click();
    void Mnu_ColorMoto_Click();
    void Mnu_nen_Click();
    void Mnu_setumei_Click();
    void mnu_ver_Click();
    // The link in the about window.
    void openHomePage();

    void buildControls();
    void buildMenus();
    void Form_QueryUnload();
    void Form_Unload();
    // False, after telling the user with `refusal` and putting the focus on the era box, when no
    // reading is present.
    bool requireReading(const QString& refusal);
    void showStatus(const StatusTexts& status);
    // The title and the prose take the focus by Tab only while they hold a reading.
    void showReadingToKeyboard(bool shown);
    void bringUp(QWidget* window);
    template <typename Form>
    Form* secondaryWindow(QPointer<Form>& form);

    Reading CurrentReading;
    soranika::WindowColour WindowColour;
    Platform& platform_;
    QWidget* client_ = nullptr;
    QPointer<Form2> form2_;
    QPointer<Form3> form3_;
    QPointer<Form4> form4_;
    QPointer<HistoryWindow> history_;
    bool secondaryWindowsMade_ = false;

    std::array<QComboBox*, 3> Combo1{}; // era, month, day
    std::array<QLineEdit*, 1> Text1{};  // year
    QLineEdit* Text2 = nullptr;         // memo
    QLineEdit* Text4 = nullptr;         // name
    CaptionLabel* Label2 = nullptr;     // the type's prose
    CaptionLabel* Label6 = nullptr;     // the type's title
    CaptionLabel* Label8 = nullptr;     // the time of the last Record
    CaptionLabel* Label9 = nullptr;     // the number of readings recorded
    QPushButton* Command1 = nullptr;    // 鑑　定
    QPushButton* btnKioku = nullptr;    // 記　録
    QAction* Mnu_nen = nullptr;         // 年令非表示
};

} // namespace soranika
