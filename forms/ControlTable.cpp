#include "ControlTable.h"

#include "Accessibility.h"
#include "CompactComboStyle.h"
#include "LatinLineEdit.h"
#include "LineControl.h"
#include "LinkLabel.h"
#include "ProgramPictures.h"
#include "ProseLabel.h"
#include "WindowSetup.h"

#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace soranika {

namespace {

QWidget* CreateLabel(QWidget* form, const ControlSpec& row, const QRect& box) {
    const bool whiteBox = row.kind == ControlKind::WhiteBoxLabel;
    CaptionLabel* label = whiteBox                        ? new ProseLabel(form)
                          : row.kind == ControlKind::Link ? new LinkLabel(form)
                                                          : new CaptionLabel(form);
    label->setAlignment(row.alignment);
    QPalette palette = label->palette();
    if (whiteBox) {
        label->setAutoFillBackground(true);
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setWordWrap(true);
        label->setMargin(1);
    } else if (row.border) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
    }
    if (row.textColour.isValid())
        palette.setColor(QPalette::WindowText, row.textColour);
    label->setPalette(palette);
    // What the table wants; SetBackground keeps it only where it is readable.
    if (!whiteBox)
        label->setProperty(DesignedTextColourProperty, palette.color(QPalette::WindowText));
    label->setFont(MakeFont(row.font));
    // A box lower than a line of its font would cut what hangs below the baseline (the tail of
    // a comma reads as a full stop): it grows downwards to the font's line.
    QRect roomy = box;
    if (!whiteBox)
        roomy.setHeight(qMax(box.height(), label->fontMetrics().height()));
    label->setSizing(row.sizing, roomy);
    label->setCaption(row.text);
    return label;
}

QWidget* CreateControl(QWidget* form, const ControlSpec& row) {
    const QRect bounds = row.rect.toPixels();
    QWidget* control = nullptr;
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::Link:
    case ControlKind::WhiteBoxLabel:
        return CreateLabel(form, row, bounds);
    case ControlKind::UnseenLabel: {
        auto* label = new QLabel(row.text, form);
        label->hide();
        return label;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(row.text, form);
        ReportFocusBeforeCaret(box);
        control = box;
        break;
    }
    case ControlKind::LatinTextBox: {
        auto* box = new LatinLineEdit(form);
        box->setText(row.text);
        ReportFocusBeforeCaret(box);
        control = box;
        break;
    }
    case ControlKind::TextArea: {
        auto* area = new QPlainTextEdit(row.text, form);
        area->setReadOnly(true);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        control = area;
        break;
    }
    case ControlKind::EditableCombo:
    case ControlKind::DropDownList: {
        auto* combo = new QComboBox(form);
        // Editable before it holds anything: adding the items tells screen readers of the box,
        // and what they are told it is then stays.
        combo->setEditable(row.kind == ControlKind::EditableCombo);
        combo->addItems(row.text.split(u'|'));
        if (row.kind == ControlKind::EditableCombo) {
            // Enter must not add the typed text to the list.
            combo->setInsertPolicy(QComboBox::NoInsert);
        } else {
            combo->setCurrentIndex(-1);
            // An item picked by the arrow keys is heard as it is seen (Qt 6.8 says so itself).
            if (!QtReadsListsAndTextBoxes)
                QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [combo] {
                    if (combo->hasFocus())
                        SayToScreenReader(combo, combo->currentText());
                });
        }
        combo->setStyle(CompactComboStyle::shared());
        combo->setMaxVisibleItems(ListBoxRows);
        control = combo;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(row.text, form);
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setCursor(HandCursor());
        control = button;
        break;
    }
    case ControlKind::Picture:
    case ControlKind::ProgramIcon: {
        auto* picture = new QLabel(form);
        picture->setScaledContents(true);
        if (row.kind == ControlKind::ProgramIcon)
            picture->setPixmap(soranika::ProgramIcon().pixmap(32, 32));
        control = picture;
        break;
    }
    }
    control->setGeometry(bounds);
    control->setFont(MakeFont(row.font));
    return control;
}

} // namespace

AccessibleTexts AccessibleTextsFor(const ControlSpec& row) {
    const bool isLabel = row.kind == ControlKind::Label || row.kind == ControlKind::Link ||
                         row.kind == ControlKind::WhiteBoxLabel ||
                         row.kind == ControlKind::UnseenLabel;
    if (isLabel)
        return {row.accessibleName, row.tooltip.isEmpty() ? row.accessibleName : row.tooltip};
    const bool textIsValue =
        row.kind == ControlKind::EditableCombo || row.kind == ControlKind::DropDownList ||
        row.kind == ControlKind::TextBox || row.kind == ControlKind::LatinTextBox ||
        row.kind == ControlKind::TextArea;
    QString caption = textIsValue ? QString() : row.text;
    // A full-width space that spreads a short caption (鑑　定) is read as a break in the word.
    if (row.kind == ControlKind::Button)
        caption.remove(QChar(0x3000));
    QString name = !row.accessibleName.isEmpty() ? row.accessibleName
                   : !caption.isEmpty()          ? caption
                                                 : row.tooltip;
    name.remove(u'&');
    return {name, row.tooltip.isEmpty() ? name : row.tooltip};
}

void BuiltControls::add(QWidget* control) {
    byName_.insert(control->objectName(), control);
}

void BuiltControls::NotInTable(const char* name) const {
    qFatal("the table of %s holds no control %s of the kind asked for",
           qPrintable(form_ ? form_->objectName() : QString()), name);
}

BuiltControls BuildControls(QWidget* form, std::span<const ControlSpec> controls,
                            std::span<const LineSpec> lines) {
    BuiltControls built(form);
    for (const LineSpec& row : lines) {
        auto* line = new LineControl(form, row.from, row.to, row.widthPixels);
        if (std::holds_alternative<QColor>(row.colour)) {
            // Drawn in its own text colour, so that on a window colour it would vanish into, it
            // turns black or white as a label's text does.
            const QColor designed = std::get<QColor>(row.colour);
            QPalette palette = line->palette();
            palette.setColor(QPalette::WindowText, designed);
            line->setPalette(palette);
            line->setColourRole(QPalette::WindowText);
            line->setProperty(DesignedTextColourProperty, designed);
        } else {
            line->setColourRole(std::get<QPalette::ColorRole>(row.colour));
        }
        line->setObjectName(QString::fromLatin1(row.name));
        built.add(line);
    }
    for (const ControlSpec& row : controls) {
        QWidget* control = CreateControl(form, row);
        control->setObjectName(QString::fromLatin1(row.name));
        if (!row.tooltip.isEmpty())
            control->setToolTip(row.tooltip);
        const AccessibleTexts accessible = AccessibleTextsFor(row);
        if (!accessible.name.isEmpty())
            control->setAccessibleName(accessible.name);
        control->setAccessibleDescription(accessible.description);
        // Typing goes into the line of an editable list: it is read with the list's name.
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
            combo->lineEdit()->setAccessibleName(accessible.name);
        built.add(control);
    }
    for (const ControlSpec& row : controls) {
        if (row.labelFor)
            built.get<QLabel>(row.name)->setBuddy(built.get(row.labelFor));
    }
    return built;
}

} // namespace soranika
