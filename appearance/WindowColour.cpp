#include "WindowColour.h"

#include "ColourDialog.h"
#include "MessageBoxes.h"
#include "Platform.h"
#include "ProgramSettings.h"
#include "WindowSetup.h"

#include <QWidget>

namespace soranika {

QColor ColourFromValue(quint32 bbggrr) {
    return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                  static_cast<int>((bbggrr >> 16) & 0xFF));
}

quint32 ValueFromColour(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<quint32>(rgb.red()) | static_cast<quint32>(rgb.green()) << 8 |
           static_cast<quint32>(rgb.blue()) << 16;
}

std::optional<quint32> ParseColourText(const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > LargestColourValue)
            return std::nullopt;
    }
    return static_cast<quint32>(value);
}

void WindowColour::apply(quint32 value) {
    value_ = value;
    const QColor colour = ColourFromValue(value);
    for (QWidget* form : forms_()) {
        if (form)
            SetBackground(form, colour);
    }
}

namespace {

void StoreColour(quint32 value, Platform& platform, QWidget* parent) {
    const Result<> stored = ProgramSettings::Write(platform.settings, ProgramSettings::ColourKey,
                                                   QString::number(value));
    if (stored.failed())
        platform.messages.show(parent,
                               ProgramSettings::NotSavedMessage(
                                   platform.settings,
                                   QStringLiteral("フォームの色を保存できませんでした。"
                                                  "次に起動したときは、この色になりません。"),
                                   stored.reason()));
}

} // namespace

void ChangeWindowColour(WindowColour& colours, Platform& platform, QWidget* parent) {
    const std::optional<QColor> chosen = platform.colours.chooseColour(parent, colours.colour());
    if (chosen && chosen->isValid())
        colours.apply(ValueFromColour(*chosen));
    // Stored also after a cancel, so that a first cancel leaves the default in the store.
    StoreColour(colours.value(), platform, parent);
}

void RestoreDefaultColour(WindowColour& colours, Platform& platform, QWidget* parent) {
    colours.apply(DefaultWindowColour);
    StoreColour(DefaultWindowColour, platform, parent);
}

} // namespace soranika
