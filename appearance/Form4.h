#pragma once

#include <QWidget>

#include <array>

namespace soranika {

class CaptionLabel;
class LineControl;

// The about window: name and version, a framed box with the link to the home page, the author
// credit and a date.
class Form4 : public QWidget {
    Q_OBJECT

public:
    Form4();

    CaptionLabel* Label1 = nullptr;
    CaptionLabel* Label5 = nullptr; // the home-page address; a click opens it
    CaptionLabel* Label6 = nullptr;
    std::array<CaptionLabel*, 2> Label2{};
    std::array<LineControl*, 5> Line{}; // Line1 .. Line5 at [0] .. [4]
};

} // namespace soranika
