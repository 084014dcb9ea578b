#include "FormLayout.h"

// Drawn by data/pictures/generator; compiled in, so they load without an image decoder.
#include "hand_cursor.xpm"
#include "program_icon.xpm"

#include <QComboBox>
#include <QCursor>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionComplex>
#include <QTextLayout>

namespace soranika {

int TwipsToPixels(int twips) {
    // Round half away from zero, so that 7.5 pixels and -7.5 pixels are mirror images.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

QRect TwipRect::toPixels() const {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

namespace {

// The installed face that stands for a face name of the tables. Asking fontconfig to substitute
// a face it does not know is slow, and every font of every window would ask again.
QString InstalledFamily(const QString& family) {
    static QHash<QString, QString> resolved;
    const auto known = resolved.constFind(family);
    if (known != resolved.cend())
        return *known;
    QString installed = family;
    for (const QString& substitute : QFont::substitutes(family)) {
        if (QFontDatabase::hasFamily(substitute)) {
            installed = substitute;
            break;
        }
    }
    resolved.insert(family, installed);
    return installed;
}

} // namespace

QFont MakeFont(const FontSpec& style) {
    QFont font(InstalledFamily(style.family));
    font.setPixelSize(qRound(style.points * 96.0 / 72.0));
    if (style.weight > 0)
        font.setWeight(static_cast<QFont::Weight>(style.weight));
    else
        font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void InstallFontSubstitutions() {
    // IPA P Gothic is proportional like MS P Gothic and close to it in metrics; IPA Gothic is the
    // fixed-pitch companion. Bold and italic are synthesised from the regular face.
    const QStringList proportional{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    const QStringList fixedPitch{QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")};
    for (const QString& name :
         {GothicFamily, QStringLiteral("MS PGothic"), QStringLiteral("MS UI Gothic")})
        QFont::insertSubstitutions(name, proportional);
    for (const QString& name : {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic")})
        QFont::insertSubstitutions(name, fixedPitch);
    // The heavy gothic of the about window's title: M+ 1 has the weights up to black.
    QFont::insertSubstitutions(QStringLiteral("ＨＧｺﾞｼｯｸE-PRO"),
                               {QStringLiteral("M PLUS 1"), QStringLiteral("IPAPGothic")});
}

CaptionLabel::CaptionLabel(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void CaptionLabel::setCaption(const QString& caption) {
    caption_ = caption;
    // A bare carriage return starts a new line, as it does in the captions the program builds.
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    setText(shown);
    fitToText();
}

void CaptionLabel::setSizing(Sizing sizing, const QRect& designed) {
    sizing_ = sizing;
    designed_ = designed;
    setGeometry(designed);
    fitToText();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void CaptionLabel::fitToText() {
    if (sizing_ == Sizing::Fixed)
        return;
    const QSize size = sizeHint();
    QRect box(designed_.topLeft(), size);
    if (sizing_ == Sizing::ToTextKeepCentre)
        box.moveLeft(designed_.left() + (designed_.width() - size.width()) / 2);
    setGeometry(box);
}

ProseLabel::ProseLabel(QWidget* parent)
    : CaptionLabel(parent) {}

int ProseLabel::heightForWidth(int width) const {
    const int chrome = height() - contentsRect().height() + 2 * margin();
    return layOut(width - (this->width() - contentsRect().width()) - 2 * margin(), nullptr) +
           chrome;
}

void ProseLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect inside = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    painter.translate(inside.topLeft());
    painter.setClipRect(QRect(QPoint(), inside.size()));
    painter.setPen(palette().color(QPalette::WindowText));
    layOut(inside.width(), &painter);
}

int ProseLabel::layOut(int width, QPainter* painter) const {
    const int lineHeight = qMax(1, font().pixelSize());
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int y = 0;
    for (const QString& paragraph : text().split(u'\n')) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            // The glyphs sit on a common baseline; the faces' extra height is left out.
            line.setPosition(QPointF(0, y - (line.height() - lineHeight) / 2.0));
            y += lineHeight;
        }
        layout.endLayout();
        if (painter)
            layout.draw(painter, QPointF());
    }
    return y;
}

LineControl::LineControl(QWidget* parent, QPoint fromTwips, QPoint toTwips, int widthPixels)
    : QWidget(parent)
    , line_(QPoint(TwipsToPixels(fromTwips.x()), TwipsToPixels(fromTwips.y())),
            QPoint(TwipsToPixels(toTwips.x()), TwipsToPixels(toTwips.y())))
    , width_(widthPixels) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect bounds = QRect(line_.p1(), line_.p2()).normalized();
    setGeometry(bounds.adjusted(0, 0, width_, width_));
}

void LineControl::setColour(QColor colour) {
    colour_ = colour;
    update();
}

void LineControl::setColourRole(QPalette::ColorRole role) {
    colour_ = role;
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    const QColor colour = std::holds_alternative<QColor>(colour_)
                              ? std::get<QColor>(colour_)
                              : palette().color(std::get<QPalette::ColorRole>(colour_));
    QPainter painter(this);
    // Fill the pixels the line covers, width_ wide, below and to the right of its path.
    const QLine local = line_.translated(-pos());
    if (local.dy() == 0) {
        painter.fillRect(QRect(QPoint(qMin(local.x1(), local.x2()), local.y1()),
                               QSize(qAbs(local.dx()) + 1, width_)),
                         colour);
    } else if (local.dx() == 0) {
        painter.fillRect(QRect(QPoint(local.x1(), qMin(local.y1(), local.y2())),
                               QSize(width_, qAbs(local.dy()) + 1)),
                         colour);
    } else {
        painter.setPen(QPen(colour, width_));
        painter.drawLine(local);
    }
}

namespace {

// The boxes are as narrow as the layout designed them; a slimmer arrow and margin leave room for
// two digits in the day list.
class CompactComboProxy final : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_ComboBox)
            return rect;
        const QRect frame = option->rect;
        constexpr int kArrowWidth = 14;
        if (part == SC_ComboBoxArrow)
            rect.setLeft(frame.right() - kArrowWidth);
        else if (part == SC_ComboBoxEditField)
            rect =
                QRect(frame.left() + 3, rect.top(), frame.width() - kArrowWidth - 5, rect.height());
        return rect;
    }
};

QStyle* CompactComboStyle() {
    static CompactComboProxy* style = new CompactComboProxy;
    return style;
}

QWidget* CreateControl(QWidget* form, const ControlSpec& row) {
    const QRect box = row.rect.toPixels();
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::WhiteBoxLabel: {
        auto* label =
            row.kind == ControlKind::WhiteBoxLabel ? new ProseLabel(form) : new CaptionLabel(form);
        label->setAlignment(row.alignment);
        if (row.kind == ControlKind::WhiteBoxLabel) {
            label->setAutoFillBackground(true);
            QPalette palette = label->palette();
            palette.setColor(QPalette::Window, Qt::white);
            palette.setColor(QPalette::WindowText, Qt::black);
            label->setPalette(palette);
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setLineWidth(1);
            label->setWordWrap(true);
            label->setMargin(1);
        } else if (row.border) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setLineWidth(1);
        }
        if (row.textColour.isValid()) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, row.textColour);
            label->setPalette(palette);
        }
        label->setFont(MakeFont(row.font));
        label->setSizing(row.sizing, box);
        label->setCaption(row.text);
        return label;
    }
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(row.text, form);
        edit->setGeometry(box);
        return edit;
    }
    case ControlKind::TextArea: {
        auto* area = new QPlainTextEdit(row.text, form);
        area->setReadOnly(true);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        area->setGeometry(box);
        return area;
    }
    case ControlKind::EditableCombo:
    case ControlKind::DropDownList: {
        auto* combo = new QComboBox(form);
        combo->addItems(row.text.split(u'|'));
        if (row.kind == ControlKind::EditableCombo) {
            combo->setEditable(true);
            // Enter must not add the typed text to the list.
            combo->setInsertPolicy(QComboBox::NoInsert);
        } else {
            combo->setCurrentIndex(-1);
        }
        combo->setStyle(CompactComboStyle());
        combo->setGeometry(box);
        return combo;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(row.text, form);
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setCursor(HandCursor());
        button->setGeometry(box);
        return button;
    }
    case ControlKind::Picture: {
        auto* picture = new QLabel(form);
        picture->setScaledContents(true);
        picture->setGeometry(box);
        return picture;
    }
    }
    return nullptr;
}

// Screen readers name a control by its caption, or by its tooltip where it has no caption of its
// own; the tooltip describes it. A label that the program fills keeps its text as its name.
void SetAccessibleTexts(QWidget* control, const ControlSpec& row) {
    QString caption = row.text;
    const bool isList =
        row.kind == ControlKind::EditableCombo || row.kind == ControlKind::DropDownList;
    if (isList || row.kind == ControlKind::TextBox || row.kind == ControlKind::TextArea)
        caption.clear(); // their text is the value, not the name
    QString name = !row.accessibleName.isEmpty() ? row.accessibleName
                   : !caption.isEmpty()          ? caption
                                                 : row.tooltip;
    name.remove(u'&');
    if (!name.isEmpty())
        control->setAccessibleName(name);
    control->setAccessibleDescription(row.tooltip.isEmpty() ? name : row.tooltip);
}

} // namespace

QHash<QString, QWidget*> BuildControls(QWidget* form, std::span<const ControlSpec> controls,
                                       std::span<const LineSpec> lines) {
    QHash<QString, QWidget*> built;
    for (const LineSpec& row : lines) {
        auto* line = new LineControl(form, row.from, row.to, row.widthPixels);
        if (std::holds_alternative<QColor>(row.colour))
            line->setColour(std::get<QColor>(row.colour));
        else
            line->setColourRole(std::get<QPalette::ColorRole>(row.colour));
        line->setObjectName(QString::fromLatin1(row.name));
        built.insert(line->objectName(), line);
    }
    for (const ControlSpec& row : controls) {
        QWidget* control = CreateControl(form, row);
        control->setObjectName(QString::fromLatin1(row.name));
        if (row.kind != ControlKind::Label && row.kind != ControlKind::WhiteBoxLabel)
            control->setFont(MakeFont(row.font));
        if (!row.tooltip.isEmpty())
            control->setToolTip(row.tooltip);
        SetAccessibleTexts(control, row);
        built.insert(control->objectName(), control);
    }
    return built;
}

void SetUpFixedWindow(QWidget* window, const QString& title, bool minimisable) {
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
    if (minimisable)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    window->setWindowTitle(title);
    window->setWindowIcon(ProgramIcon());
}

void SetClientSize(QWidget* clientArea, int widthTwips, int heightTwips) {
    clientArea->setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
}

void SetBackground(QWidget* clientArea, const QColor& colour) {
    QPalette palette = clientArea->palette();
    palette.setColor(QPalette::Window, colour);
    clientArea->setPalette(palette);
    clientArea->setAutoFillBackground(true);
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

QIcon ProgramIcon() {
    // The 32 x 32 picture only: a window hands every size of its icon to the window system, and
    // the larger ones serve the desktop menu, not the windows.
    static const QIcon icon{QPixmap(program_icon_xpm)};
    return icon;
}

QCursor HandCursor() {
    // A 32 x 32 pointing hand whose fingertip, the hot spot, is at (13, 9).
    static const QPixmap hand(hand_cursor_xpm);
    return QCursor(hand, 13, 9);
}

} // namespace soranika
