#pragma once

#include "Result.h"

#include <QWidget>

class QLabel;

namespace soranika {

class CaptionLabel;
struct DetailPage;

// The detail window: one page of the current reading, also the page that Print sends to the
// printer. It only shows what the main window puts into it.
class Form3 : public QWidget {
    Q_OBJECT

public:
    Form3();

    // Shows the page in its background colour, without showing the window, then loads the
    // type's picture. The texts are set in every case; when the picture cannot be read the
    // picture box is left empty (never the previous type's picture), and the failure says so,
    // with the file and the reason.
    Result<> fill(const DetailPage& page);

private:
    CaptionLabel* Label1 = nullptr;  // the prose, white and bordered
    CaptionLabel* Label5 = nullptr;  // date and time of the showing
    CaptionLabel* Label9 = nullptr;  // the type's title
    CaptionLabel* Label12 = nullptr; // the name
    CaptionLabel* Label13 = nullptr; // the birth date
    CaptionLabel* Label14 = nullptr; // the days lived
    CaptionLabel* Label15 = nullptr; // the age
    QLabel* Image2 = nullptr;        // the type's picture, stretched to its box
};

} // namespace soranika
