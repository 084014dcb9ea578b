#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace soranika {

struct Platform;

// Colours are kept as 32-bit values with red in the lowest byte (00BBGGRR), the form in which
// the setting "Color" stores them.
inline constexpr quint32 DefaultWindowColour = 12632319; // 00C0C0FF, pale pink
inline constexpr quint32 LargestColourValue = 0xFFFFFF;

QColor ColourFromValue(quint32 bbggrr);
quint32 ValueFromColour(const QColor& colour);

// A stored colour text as a value: a whole number from 0 to 16777215 in decimal digits.
// Anything else (letters, a sign, a fraction, a larger number) is not a colour.
std::optional<quint32> ParseColourText(const QString& text);

// The window colour of the program, shared by all four windows. The windows are fetched through
// `forms` each time the colour is applied; a window made later takes the colour then.
class WindowColour {
public:
    using FormList = std::function<QList<QWidget*>()>;
    explicit WindowColour(FormList forms)
        : forms_(std::move(forms)) {}

    quint32 value() const { return value_; }
    QColor colour() const { return ColourFromValue(value_); }
    // Sets the colour and gives it to the main, explanation, detail and about windows, in that
    // order.
    void apply(quint32 value);

private:
    FormList forms_;
    quint32 value_ = DefaultWindowColour;
};

// "フォーム色を変更": the colour dialog opens on the colour in use; a chosen colour goes to every
// window. The colour in use is stored afterwards, also after a cancel. When it cannot be stored
// the colour stays for this run and the user is told that it will not be kept, where and why.
void ChangeWindowColour(WindowColour& colours, Platform& platform, QWidget* parent);

// "フォーム色を元に戻す": back to the default colour, applied and stored, without asking; a
// failure to store it is reported as above.
void RestoreDefaultColour(WindowColour& colours, Platform& platform, QWidget* parent);

} // namespace soranika
