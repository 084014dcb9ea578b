#pragma once

#include <QWidget>

#include <span>

namespace soranika {

class CaptionLabel;
struct ControlSpec;

// The about window: name and version, a framed box with the link to the home page, the author
// credit and a date.
class Form4 : public QWidget {
    Q_OBJECT

public:
    Form4();
    // The controls, for the test harness, which finds the link by its name.
    static std::span<const ControlSpec> controlTable();
    // The address the link shows, which is the address it opens.
    QString homePageAddress() const;

signals:
    void homePageClicked();

private:
    CaptionLabel* Label5 = nullptr; // the home-page address
};

} // namespace soranika
