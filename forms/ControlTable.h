#pragma once

#include "CaptionLabel.h"
#include "Fonts.h"
#include "Twips.h"

#include <QColor>
#include <QHash>
#include <QPalette>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <span>
#include <variant>

namespace soranika {

// Every window keeps its controls in one table of twip rectangles, written with designated
// initialisers so that each value says what it is; BuildControls applies the table.

enum class ControlKind {
    Label,         // transparent, the window colour shows behind it
    Link,          // a transparent label that opens something: the hand, Tab, Enter, Space
    WhiteBoxLabel, // opaque white with a single-line border; breaks its text at its width
    TextBox,       // one line
    LatinTextBox,  // one line of digits or Latin letters, typed without input-method composition
    TextArea,      // many lines, read-only, vertical scroll bar
    EditableCombo, // the user may type or pick
    DropDownList,  // pick only, starts with nothing chosen
    Button,        // pointing-hand cursor, never the default button
    Picture,       // stretched to its box
    ProgramIcon,   // the program's icon, stretched to its box
    UnseenLabel,   // never shown: names, for screen readers, a control the window has no label for
};

// The rows a list opens with, below its box; a longer list scrolls.
inline constexpr int ListBoxRows = 12;

struct ControlSpec {
    const char* name; // the designer's name, also the control's objectName
    ControlKind kind;
    TwipRect rect;
    QString text = {}; // caption, or the items of a list separated by "|"
    FontSpec font = {};
    QString tooltip = {};
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    Sizing sizing = Sizing::Fixed;
    QColor textColour = {};      // invalid: the system's text colour
    bool border = false;         // a thin single border around a label
    QString accessibleName = {}; // for screen readers, where caption and tooltip do not say it
    // A label: the control it names for screen readers (a list is named by the item it shows).
    const char* labelFor = nullptr;
};

struct LineSpec {
    const char* name;
    QPoint from; // twips
    QPoint to;   // twips
    int widthPixels = 1;
    std::variant<QColor, QPalette::ColorRole> colour = QPalette::WindowText;
};

// What a screen reader says of a control, unless the table names it: a label is named by what it
// shows at the moment (an empty name here leaves that to the label); another control by its
// caption, or by its tooltip where it has no caption of its own (a box's text is its value, not
// its name); access-key ampersands, and the full-width spaces that spread a button's caption,
// are left out. The description is the tooltip, or the name.
struct AccessibleTexts {
    QString name;
    QString description;
};
AccessibleTexts AccessibleTextsFor(const ControlSpec& row);

// The controls and lines a table made, by their designer names.
class BuiltControls {
public:
    BuiltControls() = default;
    explicit BuiltControls(QWidget* form)
        : form_(form) {}

    // The control `name` as a T. One the table does not hold, or of another kind, is a fault in
    // the program that every start would meet: it stops there, naming the control.
    template <typename T = QWidget>
    T* get(const char* name) const {
        T* control = qobject_cast<T*>(byName_.value(QString::fromLatin1(name)));
        if (!control)
            NotInTable(name);
        return control;
    }
    // The widget the table was built on.
    QWidget* form() const { return form_; }
    void add(QWidget* control);

private:
    [[noreturn]] void NotInTable(const char* name) const;

    QWidget* form_ = nullptr;
    QHash<QString, QWidget*> byName_;
};

// Creates the lines (beneath everything) and then the controls on `form`, each with its
// objectName, place, font, text, tooltip and accessible texts, and each label's control.
BuiltControls BuildControls(QWidget* form, std::span<const ControlSpec> controls,
                            std::span<const LineSpec> lines = {});

} // namespace soranika
