#pragma once

#include <QWidget>

class QLabel;

namespace soranika {

class CaptionLabel;
class LineControl;

// The detail window: one page of the current reading, also the page that Print sends to the
// printer. It only shows what the main window puts into it.
class Form3 : public QWidget {
    Q_OBJECT

public:
    Form3();

    CaptionLabel* Label1 = nullptr;  // the prose, white and bordered
    CaptionLabel* Label3 = nullptr;  // product line
    CaptionLabel* Label4 = nullptr;  // "鑑定日："
    CaptionLabel* Label5 = nullptr;  // date and time of the showing
    CaptionLabel* Label6 = nullptr;  // "お名前"
    CaptionLabel* Label7 = nullptr;  // "生年月日"
    CaptionLabel* Label8 = nullptr;  // "＜あなたが生まれてから今日で"
    CaptionLabel* Label9 = nullptr;  // the type's title
    CaptionLabel* Label10 = nullptr; // "日目です＞"
    CaptionLabel* Label11 = nullptr; // "才"
    CaptionLabel* Label12 = nullptr; // the name
    CaptionLabel* Label13 = nullptr; // the birth date
    CaptionLabel* Label14 = nullptr; // the days lived
    CaptionLabel* Label15 = nullptr; // the age
    QLabel* Image2 = nullptr;        // the type's picture, stretched to its box
    QLabel* Image3 = nullptr;
    QLabel* Image4 = nullptr;
    LineControl* Line1 = nullptr;
    LineControl* Line2 = nullptr;
};

} // namespace soranika
