#pragma once

class QColor;
class QWidget;

namespace soranika {

class Form2;
struct Platform;

// "説明": reads "readme.txt" of the program folder afresh into the explanation window and gives the
// window the colour. Returns whether the window has its new text and is to be shown. When the
// file cannot be had, for whatever reason, the user gets the one message "readme.txtがありません。"
// and a window that is open keeps its earlier text.
[[nodiscard]] bool ShowHelp(Form2& window, const QColor& colour, Platform& platform,
                            QWidget* parent);

} // namespace soranika
