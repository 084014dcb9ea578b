#pragma once

#include "Reading.h"
#include "WindowColour.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace soranika {

class CaptionLabel;
class Form2;
class Form3;
class Form4;
class LineControl;
struct Message;
struct Platform;

// The main window: the date, name and memo boxes, the six command buttons, the menu bar and the
// two result labels. It owns the program-wide state (the current reading, the window colour and
// the age switch) and the three secondary windows; its handlers forward to the commands.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(Platform& platform);
    ~Form1() override;

    // Start-up before the window is first shown. Returns false when another copy of the program
    // runs: the user has been told and this copy must end.
    bool Form_Load();

    // The handlers, one for each button and menu entry.
    void Command1_Click(); // 鑑　定: appraise the entry
    void Command5_Click(); // 詳細表示: show the reading in the detail window
    void btnKioku_Click(); // 記　録: append the reading to the history file
    void Command4_Click(); // 印　刷: print the detail page
    void Command3_Click(); // クリア: empty the entry and the result
    void Command2_Click(); // 終　了: close the program
    void Mnu_Rireki_Click();
    void Mnu_RirekiClea_Click();
    void Mnu_iro_Click();
    void Mnu_ColorMoto_Click();
    void Mnu_nen_Click();
    void Mnu_setumei_Click();
    void mnu_ver_Click();
    void Label5_Click(); // the home-page link of the about window

    // Fills the detail window from the current reading, the name box, the age switch, the window
    // colour and the clock, without showing it. Returns the problem when the type's picture
    // could not be loaded; the texts are filled all the same.
    std::optional<QString> データセット();

    // A secondary window, made (hidden) when it does not exist yet or was closed by the user.
    Form2* form2();
    Form3* form3();
    Form4* form4();
    // The client areas of the windows that exist, in the order the colour is given to them.
    QList<QWidget*> colouredForms();

    // A reading is present while the prose label shows one.
    bool readingPresent() const;
    // Whether "年令非表示" carries its check mark.
    bool ageHidden() const;

    Reading CurrentReading;
    WindowColours WindowColour;

    std::array<QComboBox*, 3> Combo1{};
    std::array<QLineEdit*, 1> Text1{};
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text4 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* btnKioku = nullptr;
    CaptionLabel* Label1 = nullptr;
    CaptionLabel* Label2 = nullptr;
    std::array<CaptionLabel*, 3> Label3{};
    CaptionLabel* Label4 = nullptr;
    CaptionLabel* Label5 = nullptr;
    CaptionLabel* Label6 = nullptr;
    CaptionLabel* Label7 = nullptr;
    CaptionLabel* Label8 = nullptr;
    CaptionLabel* Label9 = nullptr;
    QLabel* Image1 = nullptr;
    LineControl* Line1 = nullptr;
    LineControl* Line2 = nullptr;
    LineControl* Line3 = nullptr;
    LineControl* Line4 = nullptr;

    QMenu* Mnufile = nullptr;
    QAction* Mnu_Rireki = nullptr;
    QAction* Mnu_RirekiClea = nullptr;
    QMenu* Mnu_Option = nullptr;
    QAction* Mnu_iro = nullptr;
    QAction* Mnu_ColorMoto = nullptr;
    QAction* Mnu_nen = nullptr;
    QMenu* Mnu_help = nullptr;
    QAction* Mnu_setumei = nullptr;
    QAction* mnu_ver = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    void Form_QueryUnload();
    void Form_Unload();
    // Shows a message with the application title and OK only, then puts the focus on the era box.
    void refuse(const QString& text);
    void bringUp(QWidget* window);
    template <typename Form>
    Form* secondaryWindow(QPointer<Form>& form);

    Platform& platform_;
    QWidget* client_ = nullptr;
    QPointer<Form2> form2_;
    QPointer<Form3> form3_;
    QPointer<Form4> form4_;
    bool secondaryWindowsMade_ = false;
};

} // namespace soranika
